#include <windows.h>

#include "framework/graphics/pixel_image.h"
#include "tests/win/ui/form_fixture.h"

namespace {

// A picture whose every pixel tells where it is: red from x, green from y, blue fixed.
fw::PixelImage gradient(int width, int height)
{
    fw::PixelImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &image.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = 0x80;
        }
    return image;
}

COLORREF boxPixel(HWND box, int x, int y)
{
    const HDC dc = GetDC(box);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(box, dc);
    return colour;
}

TEST_F(FormMainTest, ThePreviewShowsThePictureAtItsSizeFromTheTopLeft)
{
    TForm_Main& f = open();
    const HWND box = f.Image1.hwnd();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    // Smaller than the box: whole, with an empty band below and to the right.
    f.Image1.setPicture(gradient(480, 360));
    testing_support::pumpMessages();
    EXPECT_EQ(boxPixel(box, 0, 0), RGB(0, 0, 0x80));
    EXPECT_EQ(boxPixel(box, 479, 359), RGB(479 & 0xFF, 359 & 0xFF, 0x80));
    EXPECT_EQ(boxPixel(box, 480, 100), face);
    EXPECT_EQ(boxPixel(box, 100, 360), face);
    EXPECT_EQ(boxPixel(box, 480, 480), face);

    // Larger than the box: its top-left 481 x 481 pixels, cut off at the box's edges.
    f.Image1.setPicture(gradient(700, 600));
    testing_support::pumpMessages();
    RECT client;
    GetClientRect(box, &client);
    EXPECT_EQ(client.right, 481);
    EXPECT_EQ(client.bottom, 481);
    EXPECT_EQ(boxPixel(box, 480, 480), RGB(480 & 0xFF, 480 & 0xFF, 0x80));
    EXPECT_EQ(boxPixel(box, 250, 0), RGB(250, 0, 0x80));
}

}  // namespace

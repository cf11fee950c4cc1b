// Where the picture goes besides its numbered file: lossless PNG, the clipboard's switch, the
// folder and the picture opened through the shell.
#include <windows.h>

#include <vector>

#include "framework/graphics/bitmap_reader.h"
#include "tests/native/graphics/bitmap_builder.h"
#include "tests/win/support/file_bytes.h"
#include "tests/win/support/linux_side.h"
#include "tests/win/ui/capture_fixture.h"

namespace {

using testing_support::exists;
using testing_support::readFile;
using testing_support::writeFile;

// A screen of every colour in no order, as a bitmap file of the given depth.
testbmp::Bytes screenFile(int width, int height, std::uint16_t bits, unsigned seed)
{
    testbmp::BitmapFile f;
    f.width = width;
    f.height = height;
    f.bits = bits;
    if (bits == 16) {
        f.compression = 3;
        f.masks = {0xF800, 0x07E0, 0x001F};
    }
    std::uint32_t state = seed;
    std::vector<std::vector<std::uint32_t>> rows(static_cast<std::size_t>(height));
    for (auto& row : rows)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            row.push_back(bits == 16 ? state >> 16 : state >> 8);
        }
    f.pixels = testbmp::packRows(bits, rows);
    return testbmp::build(f);
}

// The pixels of a picture file as ImageMagick, on the Linux side, reads them.
std::string pixelsByImageMagick(const std::string& path)
{
    const std::string raw = path + ".rgb";
    if (!testing_support::runLinuxCommand("convert " + testing_support::shellQuoted(testing_support::unixPathOf(path)) +
                                          " -depth 8 rgb:" + testing_support::shellQuoted(testing_support::unixPathOf(raw))))
        return "(unreadable)";
    const std::string pixels = readFile(raw);
    DeleteFileA(raw.c_str());
    return pixels;
}

class Shown : public fw::Shell {
public:
    bool showInFolder(const std::string& folder, const std::string& selected) override
    {
        calls.push_back("folder " + folder + " | " + selected);
        return works;
    }
    bool openFile(const std::string& path) override
    {
        calls.push_back("open " + path);
        return works;
    }
    std::vector<std::string> calls;
    bool works = true;
};

class PictureUse : public CaptureTest {
protected:
    TForm_Main& openWith(fw::Shell& shell)
    {
        form = std::make_unique<TForm_Main>(FormMainServices{boxes, nullptr, capture::kLoaderRunBound, &shell});
        fw::Application::instance().setMainWindow(form->hwnd());
        form->show();
        testing_support::pumpMessages();
        return *form;
    }
    static void click(fw::Window& control) { SendMessageA(control.hwnd(), BM_CLICK, 0, 0); }
};

TEST_F(PictureUse, PngPicturesHoldExactlyTheCapturedPixelsAtEveryDepth)
{
    TForm_Main& f = open();
    click(f.CheckBoxPng);
    int number = 0;
    for (const std::uint16_t bits : {16, 24, 32}) {
        SCOPED_TRACE(bits);
        const std::string screen = shot("screen" + std::to_string(bits) + ".bmp");
        const testbmp::Bytes file = screenFile(320, 240, bits, bits);
        writeFile(screen, std::string(file.begin(), file.end()));
        handheld(("screen=" + screen).c_str());
        pressCapture();
        ASSERT_TRUE(boxes.boxes.empty()) << boxes.boxes[0].text;
        const std::string picture = shot("hhshot" + std::to_string(++number) + ".png");
        EXPECT_EQ(f.Label2.caption(), picture);
        const fw::PixelImage captured = fw::readBitmap(file.data(), file.size());
        EXPECT_EQ(pixelsByImageMagick(picture), std::string(captured.rgb.begin(), captured.rgb.end()));
    }
    EXPECT_FALSE(exists(shot("hhshot1.jpg")));
}

TEST_F(PictureUse, JpegAndPngShareOneCountAndNeitherReplacesAnEarlierPicture)
{
    writeFile(shot("hhshot1.png"), "earlier png");
    writeFile(shot("hhshot2.jpg"), "earlier jpeg");
    TForm_Main& f = open();
    click(f.CheckBoxPng);
    pressCapture();  // 1.png is taken: 1 goes on to 2, free as a PNG
    click(f.CheckBoxPng);
    pressCapture();  // 3, free as a JPEG
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(readFile(shot("hhshot1.png")), "earlier png");
    EXPECT_EQ(readFile(shot("hhshot2.jpg")), "earlier jpeg");
    EXPECT_EQ(testing_support::namesIn(shots),
              (std::vector<std::string>{"hhshot1.png", "hhshot2.jpg", "hhshot2.png", "hhshot3.jpg"}));
    EXPECT_EQ(stored("jishu"), sz("3"));
}

TEST_F(PictureUse, TheSwitchesAreStoredAtEveryClickAndRestoredAtStart)
{
    {
        TForm_Main& f = open();
        EXPECT_FALSE(f.CheckBoxClipboard.checked());  // missing means off
        EXPECT_FALSE(f.CheckBoxPng.checked());
        click(f.CheckBoxClipboard);
        click(f.CheckBoxPng);
        EXPECT_EQ(stored("clipboard"), sz("1"));
        EXPECT_EQ(stored("png"), sz("1"));
        form.reset();
    }
    TForm_Main& again = open();
    EXPECT_TRUE(again.CheckBoxClipboard.checked());
    EXPECT_TRUE(again.CheckBoxPng.checked());
    click(again.CheckBoxPng);
    EXPECT_EQ(stored("png"), sz("0"));
    form.reset();

    testing_support::plantValue("png", REG_SZ, sz("on"));  // unknown text counts as off
    EXPECT_FALSE(open().CheckBoxPng.checked());
}

TEST_F(PictureUse, TheFolderAndThePictureOpenThroughTheShell)
{
    Shown shell;
    TForm_Main& f = openWith(shell);
    click(f.ButtonOpenFolder);
    SendMessageA(f.Image1.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);  // no picture yet: nothing
    pressCapture();
    click(f.ButtonOpenFolder);
    SendMessageA(f.Image1.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"folder " + shots + " | ",
                                                     "folder " + shots + " | " + shot("hhshot1.jpg"),
                                                     "open " + shot("hhshot1.jpg")}));
    EXPECT_TRUE(boxes.boxes.empty());

    shell.works = false;
    click(f.ButtonOpenFolder);
    SendMessageA(f.Image1.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xBC\xD0 " + shots);
    EXPECT_EQ(boxes.boxes[1].text, "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE " + shot("hhshot1.jpg"));
}

}  // namespace

// The stand-in's bitmap files, read back with the program's own reader: every pixel where
// it belongs, at each depth.
#include <gtest/gtest.h>

#include "framework/graphics/bitmap_reader.h"
#include "loader/bitmap_file.h"

namespace {

// A picture whose every pixel differs from its neighbours and its mirror images, in a width
// that needs row padding at 16 and 24 bits.
loader::ScreenImage testPicture()
{
    loader::ScreenImage image;
    image.width = 7;
    image.height = 5;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.pixels.push_back(static_cast<std::uint32_t>((x * 36) << 16 | (y * 60) << 8 | (255 - x * 30 - y * 8)));
    return image;
}

TEST(StandInBitmapFile, EveryDepthReadsBackPixelForPixel)
{
    const loader::ScreenImage picture = testPicture();
    for (int bits : {16, 24, 32}) {
        SCOPED_TRACE(bits);
        const auto file = loader::encodeBitmapFile(picture, bits);
        const fw::PixelImage read = fw::readBitmap(file.data(), file.size());
        ASSERT_EQ(read.width, picture.width);
        ASSERT_EQ(read.height, picture.height);
        // 5-6-5 keeps the top 5, 6 and 5 bits of red, green and blue.
        const unsigned keep[3] = {bits == 16 ? 0xF8u : 0xFFu, bits == 16 ? 0xFCu : 0xFFu, bits == 16 ? 0xF8u : 0xFFu};
        for (int i = 0; i < picture.width * picture.height; ++i) {
            const std::uint32_t p = picture.pixels[i];
            const unsigned expected[3] = {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(read.rgb[i * 3 + c] & keep[c], expected[c] & keep[c]) << "pixel " << i << " channel " << c;
        }
    }
}

TEST(StandInBitmapFile, UnsupportedDepthIsRefused)
{
    EXPECT_THROW(loader::encodeBitmapFile(testPicture(), 8), std::invalid_argument);
}

}  // namespace

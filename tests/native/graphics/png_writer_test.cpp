#include "framework/graphics/png_writer.h"

#include "framework/graphics/picture_format.h"

#include <gtest/gtest.h>

#include <png.h>

#include <random>

namespace {

// Decoded by libpng's own reader, not by anything of ours.
fw::PixelImage decodePng(const std::vector<std::uint8_t>& file)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size()))
        return {};
    image.format = PNG_FORMAT_RGB;
    fw::PixelImage decoded{static_cast<int>(image.width), static_cast<int>(image.height),
                           std::vector<std::uint8_t>(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, decoded.rgb.data(), 0, nullptr))
        return {};
    return decoded;
}

// Every byte value in every channel, in no order a filter could guess.
fw::PixelImage noise(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    fw::PixelImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (auto& byte : image.rgb)
        byte = static_cast<std::uint8_t>(random());
    return image;
}

TEST(PngWriter, DecodesToExactlyThePixelsItWasGiven)
{
    const struct { int width, height; } sizes[] = {{1, 1}, {3, 2}, {480, 360}, {801, 17}, {17, 801}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        const fw::PixelImage picture = noise(size.width, size.height, static_cast<unsigned>(size.width * 7 + size.height));
        const std::vector<std::uint8_t> file = fw::encodePng(picture);
        ASSERT_GT(file.size(), 8u);
        EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 8),
                  (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
        const fw::PixelImage decoded = decodePng(file);
        EXPECT_EQ(decoded.width, picture.width);
        EXPECT_EQ(decoded.height, picture.height);
        EXPECT_TRUE(decoded.rgb == picture.rgb);
    }
}

TEST(PngWriter, CompressesAFlatScreenToAFractionOfItsPixels)
{
    fw::PixelImage flat{480, 360, std::vector<std::uint8_t>(480 * 360 * 3, 200)};
    EXPECT_LT(fw::encodePng(flat).size(), flat.rgb.size() / 100);
}

TEST(PictureFormat, EachFormatHasItsExtensionAndItsEncoder)
{
    const fw::PixelImage picture = noise(8, 8, 1);
    EXPECT_STREQ(fw::extensionOf(fw::PictureFormat::Jpeg), ".jpg");
    EXPECT_STREQ(fw::extensionOf(fw::PictureFormat::Png), ".png");
    EXPECT_EQ(fw::encodePicture(picture, fw::PictureFormat::Png), fw::encodePng(picture));
    const std::vector<std::uint8_t> jpeg = fw::encodePicture(picture, fw::PictureFormat::Jpeg);
    EXPECT_EQ(std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + 2), (std::vector<std::uint8_t>{0xFF, 0xD8}));
}

}  // namespace

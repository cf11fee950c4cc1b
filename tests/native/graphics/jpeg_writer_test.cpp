#include "framework/graphics/jpeg_writer.h"

#include "framework/error.h"
#include "tests/native/graphics/jpeg_structure.h"

#include <gtest/gtest.h>

#include <jerror.h>

#include <cmath>
#include <cstdlib>

namespace {

// A smooth gradient; odd sizes leave partial blocks at the right and bottom.
fw::PixelImage gradient(int width, int height)
{
    fw::PixelImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            image.rgb.push_back(static_cast<std::uint8_t>(x * 255 / width));
            image.rgb.push_back(static_cast<std::uint8_t>(y * 255 / height));
            image.rgb.push_back(static_cast<std::uint8_t>((x + y) * 255 / (width + height)));
        }
    return image;
}

// 16 x 16 squares of two strong colours, as on a handheld's screen.
constexpr std::uint8_t kSquareColours[2][3] = {{230, 40, 60}, {20, 160, 150}};
fw::PixelImage squares(int width, int height)
{
    fw::PixelImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto& c = kSquareColours[(x / 16 + y / 16) % 2];
            image.rgb.insert(image.rgb.end(), c, c + 3);
        }
    return image;
}

// The example tables of the JPEG standard (Annex K), which libjpeg scales by quality:
// quality 90 gives 20 %, rounded, at least 1.
constexpr int kLuminance[64] = {
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57, 69, 56,
    14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int kChrominance[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

std::array<int, 64> atQuality90(const int (&table)[64])
{
    std::array<int, 64> scaled{};
    for (int i = 0; i < 64; ++i)
        scaled[i] = std::max(1, (table[i] * 20 + 50) / 100);
    return scaled;
}

TEST(JpegWriter, WritesBaselineJfifWithQuality90TablesAndTwoByTwoLuminance)
{
    const auto jpeg = fw::encodeJpeg(gradient(37, 23));
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);

    const auto markers = testjpeg::markersBeforeScan(jpeg);
    ASSERT_FALSE(markers.empty());
    EXPECT_EQ(markers.front(), 0xE0) << "JFIF APP0 comes first";
    const auto app0 = testjpeg::segment(jpeg, 0xE0);
    ASSERT_GE(app0.size(), 5u);
    EXPECT_EQ(std::string(app0.begin(), app0.begin() + 5), std::string("JFIF", 5));
    for (std::uint8_t other : {0xC1, 0xC2, 0xC3, 0xC9, 0xCA, 0xDD})  // extended, progressive, lossless, arithmetic, restarts
        EXPECT_EQ(std::count(markers.begin(), markers.end(), other), 0) << std::hex << int{other};
    EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xDB), 2 - (testjpeg::segment(jpeg, 0xDB).size() > 65));
    EXPECT_GE(std::count(markers.begin(), markers.end(), 0xC4), 1) << "Huffman tables written";

    // SOF0: precision, height, width, then id, sampling, table for each component.
    const auto sof = testjpeg::segment(jpeg, 0xC0);
    const std::vector<std::uint8_t> expectedSof{8, 0, 23, 0, 37, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
    EXPECT_EQ(sof, expectedSof);

    const auto decoded = testjpeg::decode(jpeg);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.colourSpace, JCS_YCbCr);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_EQ(decoded.quant[0], atQuality90(kLuminance));
    EXPECT_EQ(decoded.quant[1], atQuality90(kChrominance));
}

// Closeness of a smooth picture: peak signal-to-noise ratio over all samples at least
// 40 dB and no sample more than 12 away (measured: 44.7 dB and 8 at 37 x 23).
TEST(JpegWriter, SmoothPictureDecodesBackClose)
{
    for (const auto& [w, h] : {std::pair{37, 23}, std::pair{480, 360}, std::pair{1, 1}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const fw::PixelImage source = gradient(w, h);
        const auto decoded = testjpeg::decode(fw::encodeJpeg(source));
        ASSERT_TRUE(decoded.ok);
        ASSERT_EQ(decoded.image.width, w);
        ASSERT_EQ(decoded.image.height, h);
        double sumOfSquares = 0;
        int worst = 0;
        for (std::size_t i = 0; i < source.rgb.size(); ++i) {
            const int d = std::abs(int{source.rgb[i]} - int{decoded.image.rgb[i]});
            sumOfSquares += d * d;
            worst = std::max(worst, d);
        }
        const double mse = sumOfSquares / static_cast<double>(source.rgb.size());
        const double psnr = mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
        EXPECT_GE(psnr, 40.0);
        EXPECT_LE(worst, 12);
    }
}

// Strong colours keep their place and hue: inside each square, 4 pixels or more from its
// edges (halved colour resolution blurs the edges themselves), no sample is more than 12 off.
TEST(JpegWriter, ColourSquaresKeepTheirColours)
{
    const fw::PixelImage source = squares(64, 48);
    const auto decoded = testjpeg::decode(fw::encodeJpeg(source));
    ASSERT_TRUE(decoded.ok);
    int worst = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            if (x % 16 < 4 || x % 16 > 11 || y % 16 < 4 || y % 16 > 11)
                continue;
            for (int c = 0; c < 3; ++c) {
                const std::size_t i = (static_cast<std::size_t>(y) * 64 + x) * 3 + c;
                worst = std::max(worst, std::abs(int{source.rgb[i]} - int{decoded.image.rgb[i]}));
            }
        }
    EXPECT_LE(worst, 12);
}

TEST(JpegWriter, ReportsLibjpegFailuresByNumber)
{
    const struct {
        int width, height, code;
    } cases[] = {
        {65501, 1, JERR_IMAGE_TOO_BIG},
        {1, 65501, JERR_IMAGE_TOO_BIG},
        {0, 0, JERR_EMPTY_IMAGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        fw::PixelImage image{c.width, c.height, std::vector<std::uint8_t>(static_cast<std::size_t>(c.width) * c.height * 3, 90)};
        try {
            fw::encodeJpeg(image);
            ADD_FAILURE() << "encoded";
        } catch (const fw::Error& e) {
            EXPECT_EQ(e.message(), "JPEG error #" + std::to_string(c.code));
        }
    }
}

TEST(JpegWriter, AcceptsTheLargestSide)
{
    const fw::PixelImage image{65500, 1, std::vector<std::uint8_t>(65500 * 3, 200)};
    const auto decoded = testjpeg::decode(fw::encodeJpeg(image));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.image.width, 65500);
    EXPECT_EQ(decoded.image.height, 1);
}

}  // namespace

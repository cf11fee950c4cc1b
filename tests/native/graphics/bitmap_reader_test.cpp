#include "framework/graphics/bitmap_reader.h"

#include "framework/error.h"
#include "tests/native/graphics/bitmap_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <string>

namespace {

using testbmp::BitmapFile;
using testbmp::Bytes;
using testbmp::Colour;

constexpr Colour K{0, 0, 0}, R{255, 0, 0}, G{0, 255, 0}, B{0, 0, 255}, W{255, 255, 255}, Y{255, 255, 0};
const std::vector<Colour> kPalette{K, R, G, B, W, Y};  // index = position

// The picture most cases store: odd width, so every depth pads its rows.
const std::vector<std::vector<Colour>> kPicture{{R, G, B}, {W, K, Y}};  // top row first

Bytes rgbOf(const std::vector<std::vector<Colour>>& rows)
{
    Bytes out;
    for (const auto& row : rows)
        for (const Colour& c : row)
            out.insert(out.end(), c.begin(), c.end());
    return out;
}

// kPicture as a file: each colour becomes a stored value; rows bottom-up unless topDown.
BitmapFile pictureFile(std::uint32_t headerSize, std::uint16_t bits, bool topDown,
                       const std::map<Colour, std::uint32_t>& valueOf)
{
    BitmapFile f;
    f.headerSize = headerSize;
    f.width = 3;
    f.height = topDown ? -2 : 2;
    f.bits = bits;
    if (valueOf.empty())  // the caller stores its own pixels
        return f;
    std::vector<std::vector<std::uint32_t>> rows;
    for (const auto& row : kPicture) {
        rows.emplace_back();
        for (const Colour& c : row)
            rows.back().push_back(valueOf.at(c));
    }
    if (!topDown)
        std::reverse(rows.begin(), rows.end());
    f.pixels = testbmp::packRows(bits, rows);
    return f;
}

const std::map<Colour, std::uint32_t> kIndices{{K, 0}, {R, 1}, {G, 2}, {B, 3}, {W, 4}, {Y, 5}};
const std::map<Colour, std::uint32_t> kRgb24{{K, 0}, {R, 0xFF0000}, {G, 0xFF00}, {B, 0xFF}, {W, 0xFFFFFF}, {Y, 0xFFFF00}};
const std::map<Colour, std::uint32_t> kXrgb32{  // the top byte is alpha or unused: ignored
    {K, 0x7F000000}, {R, 0x7FFF0000}, {G, 0x7F00FF00}, {B, 0x7F0000FF}, {W, 0x7FFFFFFF}, {Y, 0x7FFFFF00}};
const std::map<Colour, std::uint32_t> k555{{K, 0}, {R, 0x7C00}, {G, 0x03E0}, {B, 0x001F}, {W, 0x7FFF}, {Y, 0x7FE0}};
const std::map<Colour, std::uint32_t> k565{{K, 0}, {R, 0xF800}, {G, 0x07E0}, {B, 0x001F}, {W, 0xFFFF}, {Y, 0xFFE0}};
const std::map<Colour, std::uint32_t> kXbgr32{  // red in the low byte
    {K, 0}, {R, 0xFF}, {G, 0xFF00}, {B, 0xFF0000}, {W, 0xFFFFFF}, {Y, 0xFFFF}};

BitmapFile withPalette(BitmapFile f, std::uint32_t colorsUsed)
{
    f.palette = kPalette;
    f.colorsUsed = colorsUsed;
    return f;
}
BitmapFile withMasks(BitmapFile f, std::vector<std::uint32_t> masks)
{
    f.compression = 3;
    f.masks = std::move(masks);
    return f;
}

TEST(BitmapReader, DecodesEveryAcceptedFormToTheSamePixels)
{
    const struct {
        const char* name;
        BitmapFile file;
    } cases[] = {
        {"core header, 24 bits", pictureFile(12, 24, false, kRgb24)},
        {"core header, 8 bits, 6-colour palette", withPalette(pictureFile(12, 8, false, kIndices), 0)},
        {"info header, 24 bits, bottom-up", pictureFile(40, 24, false, kRgb24)},
        {"info header, 24 bits, top-down", pictureFile(40, 24, true, kRgb24)},
        {"info header, 8 bits, short palette", withPalette(pictureFile(40, 8, false, kIndices), 6)},
        {"info header, 8 bits, top-down", withPalette(pictureFile(40, 8, true, kIndices), 6)},
        {"info header, 4 bits, short palette", withPalette(pictureFile(40, 4, false, kIndices), 6)},
        {"info header, 16 bits, 5-5-5 by default", pictureFile(40, 16, false, k555)},
        {"info header, 16 bits, 5-6-5 masks", withMasks(pictureFile(40, 16, false, k565), {0xF800, 0x07E0, 0x001F})},
        {"info header, 32 bits plain", pictureFile(40, 32, false, kXrgb32)},
        {"info header, 32 bits, masks", withMasks(pictureFile(40, 32, true, kXbgr32), {0xFF, 0xFF00, 0xFF0000})},
        {"52-byte header, 16 bits, 5-6-5", withMasks(pictureFile(52, 16, false, k565), {0xF800, 0x07E0, 0x001F})},
        {"56-byte header, 32 bits with alpha mask",
         withMasks(pictureFile(56, 32, false, kXbgr32), {0xFF, 0xFF00, 0xFF0000, 0xFF000000})},
        {"V4 header, 24 bits", pictureFile(108, 24, false, kRgb24)},
        {"V4 header, 16 bits, 5-6-5", withMasks(pictureFile(108, 16, true, k565), {0xF800, 0x07E0, 0x001F})},
        {"V5 header, 32 bits plain", pictureFile(124, 32, false, kXrgb32)},
        {"V5 header, 8 bits", withPalette(pictureFile(124, 8, false, kIndices), 6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes file = testbmp::build(c.file);
        fw::PixelImage image;
        EXPECT_NO_THROW(image = fw::readBitmap(file.data(), file.size()));
        EXPECT_EQ(image.width, 3);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.rgb, rgbOf(kPicture));
    }
}

TEST(BitmapReader, OneBitRowsCrossByteBoundaries)
{
    BitmapFile f;
    f.width = 11;
    f.bits = 1;
    f.palette = {B, Y};
    f.colorsUsed = 2;
    f.pixels = testbmp::packRows(1, {{1, 0, 0, 1, 1, 1, 0, 1, 0, 1, 1}});
    const Bytes file = testbmp::build(f);
    EXPECT_EQ(fw::readBitmap(file.data(), file.size()).rgb, rgbOf({{Y, B, B, Y, Y, Y, B, Y, B, Y, Y}}));
}

TEST(BitmapReader, WidensNarrowAndWideChannelsToEightBits)
{
    const struct {
        const char* name;
        BitmapFile file;
        Colour expected;
    } cases[] = {
        // 5 bits: v * 255 / 31 rounded; 6 bits: v * 255 / 63 rounded.
        {"5-5-5", pictureFile(40, 16, false, {}), {82, 255, 8}},
        {"5-6-5", withMasks(pictureFile(40, 16, false, {}), {0xF800, 0x07E0, 0x001F}), {132, 130, 8}},
        // 10 bits each: the top 8 bits are kept.
        {"10-10-10", withMasks(pictureFile(40, 32, false, {}), {0x3FF00000, 0x000FFC00, 0x000003FF}), {128, 255, 0}},
    };
    const std::uint32_t values[] = {10 << 10 | 31 << 5 | 1, 16 << 11 | 32 << 5 | 1, 0x200u << 20 | 0x3FFu << 10 | 0};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        BitmapFile f = cases[i].file;
        f.width = f.height = 1;
        f.pixels = testbmp::packRows(f.bits, {{values[i]}});
        const Bytes file = testbmp::build(f);
        EXPECT_EQ(fw::readBitmap(file.data(), file.size()).rgb, rgbOf({{cases[i].expected}}));
    }
}

// Every one of the 65,536 values of a 5-6-5 pixel widens to the rounded 8-bit value.
TEST(BitmapReader, DecodesEverySixteenBitValueOfALargePicture)
{
    BitmapFile f = withMasks(pictureFile(40, 16, true, {}), {0xF800, 0x07E0, 0x001F});
    f.width = 256;
    f.height = -256;
    std::vector<std::vector<std::uint32_t>> rows(256);
    for (std::uint32_t v = 0; v < 65536; ++v)
        rows[v / 256].push_back(v);
    f.pixels = testbmp::packRows(16, rows);
    const Bytes file = testbmp::build(f);
    const fw::PixelImage image = fw::readBitmap(file.data(), file.size());
    ASSERT_EQ(image.rgb.size(), 65536u * 3);
    for (std::uint32_t v = 0; v < 65536; ++v) {
        const std::uint32_t r = v >> 11, g = (v >> 5) & 63, b = v & 31;
        const Colour expected{static_cast<std::uint8_t>((r * 255 + 15) / 31), static_cast<std::uint8_t>((g * 255 + 31) / 63),
                              static_cast<std::uint8_t>((b * 255 + 15) / 31)};
        ASSERT_EQ((Colour{image.rgb[v * 3], image.rgb[v * 3 + 1], image.rgb[v * 3 + 2]}), expected) << v;
    }
}

// Run-length pictures 4 x 3: a jump over the bottom row leaves it black, a literal run and
// a repeat run fill the middle row, and a jump to the right leaves two black pixels on top.
TEST(BitmapReader, DecodesRunLengthEightAndFourBits)
{
    const struct {
        const char* name;
        std::uint16_t bits;
        std::uint32_t compression;
        Bytes codes;
        std::vector<std::vector<Colour>> expected;
    } cases[] = {
        {"RLE8", 8, 1,
         {0, 2, 0, 1,                   // jump up one row
          0, 3, 3, 4, 5, 0, 1, 1, 0, 0,  // literal B W Y (padded), then one R, end of line
          0, 2, 2, 0, 2, 2, 0, 1},       // jump right 2, two G, end of bitmap
         {{K, K, G, G}, {B, W, Y, R}, {K, K, K, K}}},
        {"RLE4", 4, 2,
         {0, 2, 0, 1,                    // jump up one row
          0, 3, 0x34, 0x50, 1, 0x10, 0, 0,  // literal B W Y, then one R, end of line
          0, 2, 2, 0, 2, 0x23, 0, 1},    // jump right 2, G B alternating, end of bitmap
         {{K, K, G, B}, {B, W, Y, R}, {K, K, K, K}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapFile f;
        f.width = 4;
        f.height = 3;
        f.bits = c.bits;
        f.compression = c.compression;
        f.palette = kPalette;
        f.colorsUsed = 6;
        f.pixels = c.codes;
        const Bytes file = testbmp::build(f);
        const fw::PixelImage image = fw::readBitmap(file.data(), file.size());
        EXPECT_EQ(image.width, 4);
        EXPECT_EQ(image.height, 3);
        EXPECT_EQ(image.rgb, rgbOf(c.expected));
    }
}

// Malformed files, each derived from a valid one by one change.
Bytes valid24() { return testbmp::build(pictureFile(40, 24, false, kRgb24)); }
Bytes valid8() { return testbmp::build(withPalette(pictureFile(40, 8, false, kIndices), 6)); }
Bytes valid565() { return testbmp::build(withMasks(pictureFile(40, 16, false, k565), {0xF800, 0x07E0, 0x001F})); }
Bytes rle(std::uint16_t bits, Bytes codes)
{
    BitmapFile f;
    f.width = 4;
    f.height = 2;
    f.bits = bits;
    f.compression = bits == 8 ? 1 : 2;
    f.palette = kPalette;
    f.colorsUsed = 6;
    f.pixels = std::move(codes);
    return testbmp::build(f);
}
Bytes with(Bytes b, std::size_t at, std::uint32_t value, int width = 4)
{
    if (width == 2)
        testbmp::put16(b, at, value);
    else
        testbmp::put32(b, at, value);
    return b;
}
Bytes cut(Bytes b, std::size_t size)
{
    b.resize(size);
    return b;
}

TEST(BitmapReader, RejectsMalformedFiles)
{
    // Offsets: 10 pixel offset, 14 header size, 18 width, 22 height, 26 planes, 28 bits,
    // 30 compression, 46 colours used; 54 the first mask or palette entry.
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty file", {}},
        {"only the magic", {'B', 'M'}},
        {"wrong magic", with(valid24(), 0, 'B' | 'A' << 8, 2)},
        {"header cut short", cut(valid24(), 30)},
        {"unknown header size", with(valid24(), 14, 64)},
        {"two planes", with(valid24(), 26, 2, 2)},
        {"zero width", with(valid24(), 18, 0)},
        {"negative width", with(valid24(), 18, static_cast<std::uint32_t>(-3))},
        {"zero height", with(valid24(), 22, 0)},
        {"most negative height", with(valid24(), 22, static_cast<std::uint32_t>(INT32_MIN))},
        {"over the decoded-size cap", with(with(valid24(), 18, 0x10000), 22, 0x10000)},
        {"width of 2^31 - 1", with(with(valid24(), 18, INT32_MAX), 22, 1)},
        {"2 bits per pixel", with(valid8(), 28, 2, 2)},
        {"24 bits with RLE8", with(valid24(), 30, 1)},
        {"embedded JPEG", with(valid24(), 30, 4)},
        {"16 bits in a core header", with(testbmp::build(pictureFile(12, 24, false, kRgb24)), 24, 16, 2)},
        {"pixel offset past the end", with(valid24(), 10, 4000)},
        {"pixel offset at the end", with(valid24(), 10, static_cast<std::uint32_t>(valid24().size()))},
        {"pixel offset inside the header", with(valid24(), 10, 20)},
        {"pixel data cut short", cut(valid24(), valid24().size() - 1)},
        {"more colours used than the depth allows", with(valid8(), 46, 257)},
        {"palette runs into the pixels", with(valid8(), 46, 7)},
        {"palette index out of range", with(valid8(), 46, 5)},  // the picture uses index 5
        {"mask empty", with(valid565(), 54, 0)},
        {"masks overlap", with(valid565(), 58, 0x0FE0)},
        {"mask not contiguous", with(valid565(), 62, 0x0015)},
        {"mask wider than the pixel", with(valid565(), 54, 0x1F800)},
        {"masks cut off", cut(valid565(), 60)},
        {"top-down RLE", with(rle(8, {4, 1, 0, 1}), 22, static_cast<std::uint32_t>(-2))},
        {"RLE8 run past the row", rle(8, {5, 1, 0, 1})},
        {"RLE8 literal past the row", rle(8, {2, 1, 0, 3, 1, 1, 1, 0, 0, 1})},
        {"RLE8 rows past the image", rle(8, {0, 0, 0, 0, 1, 1, 0, 1})},
        {"RLE8 jump past the row", rle(8, {0, 2, 5, 0, 0, 1})},
        {"RLE8 jump past the image", rle(8, {0, 2, 0, 2, 0, 1})},
        {"RLE8 without an end", rle(8, {4, 1, 0, 0, 4, 2})},
        {"RLE8 literal cut short", rle(8, {0, 4, 1, 2})},
        {"RLE8 index out of range", rle(8, {4, 6, 0, 1})},
        {"RLE4 run past the row", rle(4, {5, 0x11, 0, 1})},
        {"RLE4 index out of range", rle(4, {2, 0x16, 0, 1})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            fw::readBitmap(c.file.data(), c.file.size());
            ADD_FAILURE() << "accepted";
        } catch (const fw::Error& e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid");
        }
    }
}

}  // namespace

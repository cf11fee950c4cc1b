#include "capture/output_path.h"
#include "capture/picture_output.h"

#include "framework/error.h"
#include "tests/native/graphics/bitmap_builder.h"
#include "tests/native/graphics/jpeg_structure.h"
#include "tests/win/picture/scratch_folder.h"

#include <gtest/gtest.h>

#include <jerror.h>

namespace {

using testwin::ScratchFolder;

const std::vector<std::uint8_t> kEarlierPicture{0xFF, 0xD8, 'e', 'a', 'r', 'l', 'i', 'e', 'r', 0xFF, 0xD9};

std::string saveError(const fw::PixelImage& image, const std::string& path)
{
    try {
        capture::saveJpeg(image, path);
    } catch (const fw::Error& e) {
        return e.message();
    }
    return "(saved)";
}

fw::PixelImage smallPicture() { return {2, 2, std::vector<std::uint8_t>(12, 128)}; }

// A bitmap of 40 x 30 in two halves, red on the left and blue on the right, in a given form.
testbmp::BitmapFile halves(std::uint16_t bits)
{
    testbmp::BitmapFile f;
    f.width = 40;
    f.height = 30;
    f.bits = bits;
    std::uint32_t left = 0, right = 0;
    if (bits == 8) {
        f.palette = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}};
        f.colorsUsed = 3;
        left = 1;
        right = 2;
    } else {  // 16 bits, 5-6-5
        f.compression = 3;
        f.masks = {0xF800, 0x07E0, 0x001F};
        left = 0xF800;
        right = 0x001F;
    }
    std::vector<std::vector<std::uint32_t>> rows(30, std::vector<std::uint32_t>(40, left));
    for (auto& row : rows)
        std::fill(row.begin() + 20, row.end(), right);
    f.pixels = testbmp::packRows(bits, rows);
    return f;
}

TEST(SaveJpeg, PaletteAndFiveSixFiveBitmapsBecomeColourJpegsOfTheirSize)
{
    for (const std::uint16_t bits : {8, 16}) {
        SCOPED_TRACE(bits);
        ScratchFolder folder;
        testwin::writeFile(folder.file("tmpsnap.bmp"), testbmp::build(halves(bits)));
        const std::string output = capture::outputPath(folder.path(), "hhshot", 1);

        capture::saveJpeg(capture::loadCaptureBitmap(folder.file("tmpsnap.bmp")), output);

        const auto decoded = testjpeg::decode(testwin::readFile(output));
        ASSERT_TRUE(decoded.ok);
        EXPECT_EQ(decoded.components, 3);
        EXPECT_EQ(decoded.colourSpace, JCS_YCbCr);
        EXPECT_EQ(decoded.image.width, 40);
        EXPECT_EQ(decoded.image.height, 30);
        const auto at = [&](int x, int y) { return decoded.image.rgb.data() + (y * 40 + x) * 3; };
        EXPECT_GT(at(5, 15)[0], 200);  // red stays red
        EXPECT_LT(at(5, 15)[2], 60);
        EXPECT_GT(at(34, 15)[2], 200);  // blue stays blue
        EXPECT_LT(at(34, 15)[0], 60);
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"hhshot1.jpg", "tmpsnap.bmp"}));
    }
}

TEST(SaveJpeg, NeverReplacesAnExistingFile)
{
    ScratchFolder folder;
    const std::string output = capture::outputPath(folder.path(), "hhshot", 7);
    testwin::writeFile(output, kEarlierPicture);

    EXPECT_EQ(saveError(smallPicture(), output), "Cannot create file " + output);

    EXPECT_EQ(testwin::readFile(output), kEarlierPicture);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"hhshot7.jpg"});
}

// Every failure names the output path, keeps the file that was there and leaves nothing behind.
TEST(SaveJpeg, FailuresKeepTheEarlierFileAndLeaveNoTemporaryFile)
{
    const struct {
        const char* name;
        const char* subfolder;  // a folder under the scratch folder that is never made; "" for the scratch folder
        const char* prefix;
        bool readOnly;
    } cases[] = {
        {"missing folder", "missing", "hhshot", false},
        {"read-only file", "", "hhshot", true},
        {"question mark in the prefix", "", "hh?shot", false},
        {"star in the prefix", "", "hh*shot", false},
        {"bar in the prefix", "", "hh|shot", false},
        {"quote in the prefix", "", "hh\"shot", false},
        {"angle bracket in the prefix", "", "hh<shot", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const std::string earlier = capture::outputPath(folder.path(), "hhshot", 3);
        testwin::writeFile(earlier, kEarlierPicture);
        if (c.readOnly)
            SetFileAttributesA(earlier.c_str(), FILE_ATTRIBUTE_READONLY);
        const std::string target = std::string(c.subfolder).empty() ? folder.path() : folder.file(c.subfolder);
        const std::string output = capture::outputPath(target, c.prefix, 3);

        EXPECT_EQ(saveError(smallPicture(), output), "Cannot create file " + output);

        EXPECT_EQ(testwin::readFile(earlier), kEarlierPicture);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"hhshot3.jpg"});
    }
}

TEST(SaveJpeg, AnEncoderFailureKeepsTheEarlierFile)
{
    ScratchFolder folder;
    const std::string output = capture::outputPath(folder.path(), "hhshot", 1);
    testwin::writeFile(output, kEarlierPicture);
    const fw::PixelImage tooWide{65501, 1, std::vector<std::uint8_t>(65501 * 3, 9)};

    std::string expected = "JPEG error #";  // appended, not added: GCC 12 warns falsely on +
    expected += std::to_string(JERR_IMAGE_TOO_BIG);
    EXPECT_EQ(saveError(tooWide, output), expected);

    EXPECT_EQ(testwin::readFile(output), kEarlierPicture);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"hhshot1.jpg"});
}

}  // namespace

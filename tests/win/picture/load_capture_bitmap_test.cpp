#include "capture/picture_output.h"

#include "framework/error.h"
#include "framework/win/handle.h"
#include "tests/native/graphics/bitmap_builder.h"
#include "tests/win/picture/scratch_folder.h"
#include "tests/win/support/linux_side.h"

#include <gtest/gtest.h>

namespace {

std::string loadError(const std::string& path)
{
    try {
        capture::loadCaptureBitmap(path);
    } catch (const fw::Error& e) {
        return e.message();
    }
    return "(loaded)";
}

fw::UniqueFile openBy(const std::string& path, DWORD access, DWORD share)
{
    return fw::UniqueFile(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

TEST(LoadCaptureBitmap, ReadsTheBitmapWhileOtherReadersHaveItOpen)
{
    testwin::ScratchFolder folder;
    const std::string path = folder.file("tmpsnap.bmp");
    testwin::writeFile(path, testbmp::build(testbmp::gradient24(5, 3)));
    const fw::UniqueFile otherReader = openBy(path, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(otherReader);

    const fw::PixelImage image = capture::loadCaptureBitmap(path);
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.height, 3);
    EXPECT_EQ(image.rgb.size(), 5u * 3 * 3);
}

TEST(LoadCaptureBitmap, CannotOpenAMissingFileOrOneAWriterHolds)
{
    testwin::ScratchFolder folder;
    const std::string path = folder.file("tmpsnap.bmp");
    EXPECT_EQ(loadError(path), "Cannot open file " + path);

    testwin::writeFile(path, testbmp::build(testbmp::gradient24(5, 3)));
    for (const DWORD writerShares : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        SCOPED_TRACE(writerShares);
        const fw::UniqueFile writer = openBy(path, GENERIC_WRITE, writerShares);
        ASSERT_TRUE(writer);
        EXPECT_EQ(loadError(path), "Cannot open file " + path);
    }
}

TEST(LoadCaptureBitmap, RejectsAFileThatIsNotABitmap)
{
    testwin::ScratchFolder folder;
    const std::string path = folder.file("tmpsnap.bmp");
    for (const std::vector<std::uint8_t>& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'G', 'I', 'F', '8', '9', 'a'}}) {
        testwin::writeFile(path, bytes);
        EXPECT_EQ(loadError(path), "Bitmap image is not valid");
    }
}

TEST(LoadCaptureBitmap, RefusesALinkOrASecondNameOfAnotherFile)
{
    testwin::ScratchFolder folder;
    const std::string elsewhere = folder.file("elsewhere.bmp");
    testwin::writeFile(elsewhere, testbmp::build(testbmp::gradient24(5, 3)));
    const std::string path = folder.file("tmpsnap.bmp");
    for (const bool hardLink : {false, true}) {
        SCOPED_TRACE(hardLink ? "second name" : "link");
        ASSERT_TRUE(hardLink ? testing_support::makeUnixHardLink(elsewhere, path)
                             : testing_support::makeUnixLink(elsewhere, path));
        EXPECT_EQ(loadError(path), "Bitmap image is not valid");
        testing_support::removeUnixName(path);
    }
    EXPECT_EQ(capture::loadCaptureBitmap(elsewhere).width, 5);  // the file itself is fine
}

}  // namespace

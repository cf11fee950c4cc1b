// The stand-in loader, staged from this program's resource and run as a real program: its
// command line, exit codes and each VISTREL_HANDHELD item.
#include <gtest/gtest.h>

#include <cstring>

#include "capture/loader_staging.h"
#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/graphics/bitmap_reader.h"
#include "loader/exit_codes.h"
#include "tests/win/loader/loader_test_support.h"

using namespace loader_test;

namespace {

const std::string kBitmap = capture::kCaptureBitmap;

Ran standIn(const std::string& arguments, const char* handheld, const std::string& input = "")
{
    ScopedEnvironment environment("VISTREL_HANDHELD", handheld);
    return runProgram(std::string(capture::kStagedLoader) + " " + arguments, input);
}

Ran capture(const char* handheld, const std::string& input = "")
{
    return standIn("-u screenshot " + kBitmap, handheld, input);
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

class StandInLoader : public ::testing::Test {
protected:
    void SetUp() override
    {
        cleanStagingFolder();
        stage();
    }
    void TearDown() override { cleanStagingFolder(); }
};

TEST_F(StandInLoader, BadCommandLinesPrintTheUsage)
{
    DeleteFileA("c:\\temp\\x.bmp");
    for (const char* arguments : {"", "screenshot", "-u screenshot", "-u capture c:\\temp\\x.bmp",
                                  "-x screenshot c:\\temp\\x.bmp", "-u screenshot c:\\temp\\x.bmp extra", "-p screenshot a"}) {
        SCOPED_TRACE(arguments);
        const Ran ran = standIn(arguments, "");
        EXPECT_EQ(ran.exitCode, static_cast<DWORD>(loader::kUsage));
        EXPECT_TRUE(contains(ran.output, "Usage: JavaLoader.exe [-u] [-p<port>] [-w<password>] screenshot <file>"));
        EXPECT_FALSE(fileExists("c:\\temp\\x.bmp"));
    }
}

TEST_F(StandInLoader, FindsNoHandheldOnASerialPortOrWhenNoneIsAttached)
{
    const struct {
        const char* arguments;
        const char* handheld;
        const char* error;
    } cases[] = {
        {"screenshot c:\\temp\\tmpsnap.bmp", "", "Error: no handheld found on COM1"},
        {"-pCOM4 screenshot c:\\temp\\tmpsnap.bmp", "", "Error: no handheld found on COM4"},
        {"-u screenshot c:\\temp\\tmpsnap.bmp", "none", "Error: no handheld found on USB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Ran ran = standIn(c.arguments, c.handheld);
        EXPECT_EQ(ran.exitCode, static_cast<DWORD>(loader::kNoHandheld));
        EXPECT_TRUE(contains(ran.output, c.error)) << ran.output;
        EXPECT_FALSE(fileExists(kBitmap));
    }
}

TEST_F(StandInLoader, EveryModelDecodesToItsSizeAndDepthAndCarriesTheBanner)
{
    const struct {
        const char* handheld;
        int width, height, bits;
    } models[] = {
        {"", 480, 360, 24},
        {"model=320x240x16", 320, 240, 16},
        {"model=360x480x16", 360, 480, 16},
        {"model=640x480x24", 640, 480, 24},
        {"model=800x480x24", 800, 480, 24},
        {"model=800x480x32", 800, 480, 32},
        {"model=17x16x24", 17, 16, 24},  // odd width: padded rows
    };
    for (const auto& m : models) {
        SCOPED_TRACE(m.handheld);
        DeleteFileA(kBitmap.c_str());
        const Ran ran = capture(m.handheld);
        ASSERT_EQ(ran.exitCode, static_cast<DWORD>(loader::kSaved)) << ran.output;
        EXPECT_TRUE(contains(ran.output, "Screen saved to " + kBitmap));
        const auto file = readBytes(kBitmap);
        ASSERT_TRUE(file && file->size() > 54);

        EXPECT_EQ(le32(*file, 2), file->size());
        EXPECT_EQ((*file)[28] | (*file)[29] << 8, m.bits);
        if (m.bits == 16) {
            EXPECT_EQ(le32(*file, 30), 3u);  // BI_BITFIELDS
            EXPECT_EQ(le32(*file, 54), 0xF800u);
            EXPECT_EQ(le32(*file, 58), 0x07E0u);
            EXPECT_EQ(le32(*file, 62), 0x001Fu);
        }
        const fw::PixelImage image = fw::readBitmap(file->data(), file->size());
        EXPECT_EQ(image.width, m.width);
        EXPECT_EQ(image.height, m.height);

        // The banner's yellow spans a whole row somewhere in the lower part of the screen.
        bool bannerRow = false;
        for (int y = image.height / 2; y < image.height && !bannerRow; ++y) {
            int yellow = 0;
            for (int x = 0; x < image.width; ++x) {
                const std::uint8_t* p = &image.rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
                yellow += p[0] > 230 && p[1] > 190 && p[1] < 230 && p[2] < 40;
            }
            bannerRow = yellow > image.width * 6 / 10;
        }
        EXPECT_TRUE(bannerRow);
    }
}

TEST_F(StandInLoader, SuccessiveCapturesDiffer)
{
    ASSERT_EQ(capture("").exitCode, 0u);
    const auto first = readBytes(kBitmap);
    Sleep(1100);  // the clock on the status bar shows seconds
    ASSERT_EQ(capture("").exitCode, 0u);
    const auto second = readBytes(kBitmap);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->size(), second->size());
    EXPECT_FALSE(*first == *second);
}

TEST_F(StandInLoader, ScreenFileIsDeliveredByteForByte)
{
    std::string junk = "not a bitmap\r\n";
    junk += std::string("\0\x1a\xff\n", 4);
    writeBytes("c:\\temp\\screen.bin", junk);
    const Ran ran = capture("screen=c:\\temp\\screen.bin");
    DeleteFileA("c:\\temp\\screen.bin");
    EXPECT_EQ(ran.exitCode, 0u);
    const auto file = readBytes(kBitmap);
    ASSERT_TRUE(file);
    EXPECT_EQ(std::string(file->begin(), file->end()), junk);
}

TEST_F(StandInLoader, BadSettingsAreRefusedWithoutAFile)
{
    for (const char* handheld : {"bogus", "model=320x240", "model=320x240x8", "model=8x240x16", "delay=-5",
                                 "noise=abc", "screen=", "screen=c:\\temp\\missing.bmp", "hang=1"}) {
        SCOPED_TRACE(handheld);
        const Ran ran = capture(handheld);
        EXPECT_EQ(ran.exitCode, static_cast<DWORD>(loader::kBadSetting));
        EXPECT_TRUE(contains(ran.output, "Error: VISTREL_HANDHELD: ")) << ran.output;
        EXPECT_FALSE(fileExists(kBitmap));
    }
}

TEST_F(StandInLoader, ItemsCombineAndSpacesAroundThemDoNotMatter)
{
    const Ran ran = capture(" model=320x240x16 , ,delay=10 ");
    EXPECT_EQ(ran.exitCode, 0u) << ran.output;
    EXPECT_TRUE(contains(ran.output, "screen 320x240, 16 bits per pixel"));
}

TEST_F(StandInLoader, DelayMakesTheCaptureTakeThatLong)
{
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(capture("delay=1500").exitCode, 0u);
    EXPECT_GE(GetTickCount64() - start, 1500u);
}

TEST_F(StandInLoader, NoiseAddsThatManyBytesOfLinesBeforeTheCapture)
{
    const Ran quiet = capture("");
    const Ran noisy = capture("noise=10000");
    EXPECT_EQ(noisy.exitCode, 0u);
    EXPECT_EQ(noisy.output.size(), quiet.output.size() + 10000);
    const auto noiseAt = noisy.output.find("debug 1:");
    ASSERT_NE(noiseAt, std::string::npos);
    EXPECT_LT(noiseAt, noisy.output.find("Reading screen..."));
}

TEST_F(StandInLoader, CrashEndsAbnormallyAfterOneLineWithoutAFile)
{
    const Ran ran = capture("crash");
    EXPECT_EQ(ran.exitCode, loader::kCrashCode);
    EXPECT_EQ(ran.output, "Connecting to handheld on USB...\r\n");
    EXPECT_FALSE(fileExists(kBitmap));
}

TEST_F(StandInLoader, PasswordIsAskedForAndReadFromStandardInput)
{
    const struct {
        const char* arguments;
        const char* input;
        DWORD exitCode;
        bool prompted;
    } cases[] = {
        {"-u screenshot c:\\temp\\tmpsnap.bmp", "", loader::kLocked, true},
        {"-u screenshot c:\\temp\\tmpsnap.bmp", "\r\n", loader::kLocked, true},
        {"-u screenshot c:\\temp\\tmpsnap.bmp", "secret\r\n", loader::kSaved, true},
        {"-u -wsecret screenshot c:\\temp\\tmpsnap.bmp", "", loader::kSaved, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.arguments) + " / " + c.input);
        DeleteFileA(kBitmap.c_str());
        const Ran ran = standIn(c.arguments, "password", c.input);
        EXPECT_EQ(ran.exitCode, c.exitCode) << ran.output;
        EXPECT_EQ(contains(ran.output, "Enter the handheld's password: "), c.prompted);
        EXPECT_EQ(fileExists(kBitmap), c.exitCode == loader::kSaved);
    }
}

TEST_F(StandInLoader, FileThatCannotBeWrittenGivesItsCode)
{
    const Ran ran = standIn("-u screenshot c:\\temp\\nofolder\\x.bmp", "");
    EXPECT_EQ(ran.exitCode, static_cast<DWORD>(loader::kCannotWrite));
    EXPECT_TRUE(contains(ran.output, "Error: cannot write c:\\temp\\nofolder\\x.bmp"));
}

}  // namespace

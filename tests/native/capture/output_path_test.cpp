#include "capture/output_path.h"

#include "capture/loader_command.h"

#include <gtest/gtest.h>

namespace {

TEST(OutputPath, JoinsFolderPrefixCountAndExtension)
{
    const struct { const char* folder; const char* prefix; std::int32_t count; const char* path; } cases[] = {
        {"C:\\shots", "hhshot", 12, "C:\\shots\\hhshot12.jpg"},
        {"D:\\", "hhshot", 12, "D:\\\\hhshot12.jpg"},
        {"C:\\shots", "", 1, "C:\\shots\\1.jpg"},
        {"C:\\shots", "hhshot", -1, "C:\\shots\\hhshot-1.jpg"},
        {"C:\\shots", "hhshot", INT32_MIN, "C:\\shots\\hhshot-2147483648.jpg"},
        {"C:\\shots", "a?b", 3, "C:\\shots\\a?b3.jpg"},  // the prefix goes in unaltered
    };
    for (const auto& c : cases)
        EXPECT_EQ(capture::outputPath(c.folder, c.prefix, c.count), c.path);
}

}  // namespace

namespace {

bool isLead936(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

TEST(OutputPath, APlainFileNameHasNoSeparatorStreamForbiddenCharacterOrDeviceName)
{
    const struct { const char* name; bool plain; } cases[] = {
        {"hhshot1.jpg", true},
        {"1.jpg", true},
        {"..1.jpg", true},               // dots alone name no other folder
        {"\xBD\xD8\xCD\xBC" "1.jpg", true},  // "截图" in code page 936
        {"a\x95\x5C" "1.jpg", true},     // a double-byte character whose second byte is '\'
        {"a\x95\x7C" "1.jpg", true},     // ... or '|'
        {"..\\x1.jpg", false},
        {"sub\\x1.jpg", false},
        {"sub/x1.jpg", false},
        {"a:b1.jpg", false},
        {"x?1.jpg", false},
        {"x*1.jpg", false},
        {"x<1.jpg", false},
        {"x>1.jpg", false},
        {"x\"1.jpg", false},
        {"x|1.jpg", false},
        {"x\t1.jpg", false},
        {"COM1.jpg", false},
        {"com9.jpg", false},
        {"LPT1.jpg", false},
        {"CON.x1.jpg", false},
        {"nul .1.jpg", false},
        {"AUX.jpg", false},
        {"PRN1.jpg", true},              // only PRN itself is a device
        {"COM10.jpg", true},
        {"COM0.jpg", true},
        {"CONSOLE1.jpg", true},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(capture::isPlainFileName(c.name, isLead936), c.plain) << c.name;
}

}  // namespace


namespace {

TEST(LoaderCommand, APasswordFollowsUsbQuotedWhereItMustBe)
{
    const struct { const char* password; const char* commandLine; } cases[] = {
        {"", "c:\\temp\\JavaLoader.exe -u screenshot c:\\temp\\tmpsnap.bmp"},
        {"s3cret", "c:\\temp\\JavaLoader.exe -u -ws3cret screenshot c:\\temp\\tmpsnap.bmp"},
        {"two words", "c:\\temp\\JavaLoader.exe -u \"-wtwo words\" screenshot c:\\temp\\tmpsnap.bmp"},
        {"say \"hi\"", "c:\\temp\\JavaLoader.exe -u \"-wsay \\\"hi\\\"\" screenshot c:\\temp\\tmpsnap.bmp"},
        {"a\\ b\\", "c:\\temp\\JavaLoader.exe -u \"-wa\\ b\\\\\" screenshot c:\\temp\\tmpsnap.bmp"},
        {"back\\slash", "c:\\temp\\JavaLoader.exe -u -wback\\slash screenshot c:\\temp\\tmpsnap.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(capture::loaderCommandLine(c.password), c.commandLine) << c.password;
}

TEST(LoaderCommand, AnOutputAsksForThePasswordInAnyCase)
{
    EXPECT_TRUE(capture::asksForPassword("Error: wrong password; the handheld stays locked"));
    EXPECT_TRUE(capture::asksForPassword("Enter PASSWORD:"));
    EXPECT_FALSE(capture::asksForPassword("Error: no handheld found on USB"));
    EXPECT_FALSE(capture::asksForPassword(""));
}

}  // namespace

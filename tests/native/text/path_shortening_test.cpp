#include "framework/text/path_shortening.h"

#include <gtest/gtest.h>

namespace {

int charCount(const std::string& s) { return static_cast<int>(s.size()); }

TEST(PathShortening, DropsFoldersFromTheLeftThenTheDriveThenTheDots)
{
    const std::string path = "C:\\first\\two\\three";
    const struct { int width; const char* expected; } cases[] = {
        {100, "C:\\first\\two\\three"},
        {18, "C:\\first\\two\\three"},
        {17, "C:\\...\\two\\three"},
        {16, "C:\\...\\two\\three"},
        {15, "C:\\...\\three"},
        {12, "C:\\...\\three"},
        {11, "...\\three"},
        {8, "three"},
        {1, "three"},  // the last folder name always stays
    };
    for (const auto& c : cases)
        EXPECT_EQ(fw::shortenPath(path, c.width, charCount), c.expected) << c.width;
}

TEST(PathShortening, LeavesRootsAndShortPathsAlone)
{
    EXPECT_EQ(fw::shortenPath("C:\\", 1, charCount), "C:\\");
    EXPECT_EQ(fw::shortenPath("C:\\three", 100, charCount), "C:\\three");
    EXPECT_EQ(fw::shortenPath("C:\\three", 5, charCount), "three");
    EXPECT_EQ(fw::shortenPath("C:\\three\\", 6, charCount), "three");
}

TEST(PathShortening, KeepsDoubleByteCharactersWhoseTrailByteIsABackslash)
{
    // In code page 936, 0x95 0x5C is one character: its second byte is not a separator.
    const std::string folder = "a\x95\x5C";
    const std::string path = "C:\\onetwo\\" + folder;
    const auto isLead = [](unsigned char c) { return c >= 0x81 && c <= 0xFE; };
    EXPECT_EQ(fw::shortenPath(path, 12, charCount, isLead), "C:\\...\\" + folder);
    EXPECT_EQ(fw::shortenPath(path, 3, charCount, isLead), folder);
}

}  // namespace

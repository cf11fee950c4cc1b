#include "framework/text/path_parts.h"

#include <gtest/gtest.h>

namespace {

// Code page 936: 0x95 0x5C is one character, whose second byte is not a separator.
bool isLead936(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

TEST(PathParts, TheFolderPartEndsAtTheLastSeparatorOutsideADoubleByteCharacter)
{
    const struct { const char* path; const char* folder; } cases[] = {
        {"C:\\shots\\hhshot1.jpg", "C:\\shots\\"},
        {"C:/shots/a.jpg", "C:/shots/"},
        {"D:\\\\a.jpg", "D:\\\\"},
        {"a.jpg", ""},
        {"", ""},
        {"C:\\a\x95\x5C" "b.jpg", "C:\\"},          // the trail byte 0x5C is no separator
        {"C:\\a\x95\x5C\\b.jpg", "C:\\a\x95\x5C\\"},
        {"C:\\x\x95", "C:\\"},                      // a lead byte at the very end stands alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(fw::folderPart(c.path, isLead936), c.folder) << c.path;
    EXPECT_EQ(fw::folderPart("C:\\a\x95\x5C" "b.jpg", {}), "C:\\a\x95\x5C");  // without lead bytes
}

TEST(PathParts, SplitsAtBackslashesOutsideDoubleByteCharacters)
{
    using Parts = std::vector<std::string>;
    EXPECT_EQ(fw::splitAtBackslashes("C:\\a\\", isLead936), (Parts{"C:", "a", ""}));
    EXPECT_EQ(fw::splitAtBackslashes("C:\\a\x95\x5C\\b", isLead936), (Parts{"C:", "a\x95\x5C", "b"}));
}

}  // namespace

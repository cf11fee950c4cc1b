#include "capture/output_path.h"

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

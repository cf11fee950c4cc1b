#include "framework/text/int_text.h"

#include <gtest/gtest.h>

#include "framework/error.h"

namespace {

TEST(IntText, FormatsAndParsesTheWholeRange)
{
    const struct { std::int32_t value; const char* text; } cases[] = {
        {0, "0"}, {7, "7"}, {-2, "-2"}, {2147483647, "2147483647"}, {INT32_MIN, "-2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::toDecimal(c.value), c.text);
        EXPECT_EQ(fw::parseInt32(c.text), c.value);
    }
    EXPECT_EQ(fw::parseInt32("+12"), 12);
    EXPECT_EQ(fw::parseInt32("007"), 7);
}

TEST(IntText, RejectsTextThatIsNotAnInteger)
{
    for (const char* text : {"", "abc", "-", "+", "1.5", " 7", "7 ", "2147483648", "-2147483649",
                             "99999999999999999999", "0x10", "1e3"}) {
        try {
            fw::parseInt32(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const fw::Error& e) {
            EXPECT_EQ(e.message(), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

}  // namespace

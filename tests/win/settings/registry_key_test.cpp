#include "framework/win/registry.h"

#include <gtest/gtest.h>

#include "framework/error.h"
#include "settings/settings_store.h"
#include "tests/win/support/store_key.h"

namespace {

using namespace std::string_literals;
using testing_support::plantValue;
using testing_support::rawValue;

class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::removeStoreKey(); }
    void TearDown() override { testing_support::removeStoreKey(); }

    fw::RegistryKey openStoreKey()
    {
        fw::RegistryKey key;
        EXPECT_TRUE(key.open(HKEY_CURRENT_USER, settings::kStoreKey));
        return key;
    }
};

TEST_F(RegistryKeyTest, OpenCreatesAMissingKeyAndOpensAnExistingOne)
{
    {
        fw::RegistryKey key;
        EXPECT_TRUE(key.open(HKEY_CURRENT_USER, settings::kStoreKey));
        key.writeText("v", "kept");
    }
    EXPECT_TRUE(testing_support::storeKeyExists());
    fw::RegistryKey again;
    EXPECT_TRUE(again.open(HKEY_CURRENT_USER, settings::kStoreKey));
    EXPECT_EQ(again.readText("v"), "kept");
}

TEST_F(RegistryKeyTest, ReadsTextValuesAsStored)
{
    const struct {
        const char* label;
        DWORD type;
        std::string stored;
        std::string read;
    } cases[] = {
        {"terminated", REG_SZ, "abc\0"s, "abc"},
        {"without terminator", REG_SZ, "abc"s, "abc"},
        {"up to the first zero", REG_SZ, "ab\0cd\0"s, "ab"},
        {"zero length", REG_SZ, ""s, ""},
        {"only a zero", REG_SZ, "\0"s, ""},
        {"code page 936, trail byte 0x5C", REG_SZ, "D:\\\xBD\xD8\xCD\xBC\\\x81\x5C\0"s, "D:\\\xBD\xD8\xCD\xBC\\\x81\x5C"},
        {"expandable, not expanded", REG_EXPAND_SZ, "%TEMP%\\shots\0"s, "%TEMP%\\shots"},
        {"long", REG_SZ, std::string(70000, 'x') + '\0', std::string(70000, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        plantValue("v", c.type, c.stored);
        fw::RegistryKey key = openStoreKey();
        EXPECT_TRUE(key.valueExists("v"));
        EXPECT_EQ(key.readText("v"), c.read);
    }
}

TEST_F(RegistryKeyTest, ValuesOfOtherTypesExistButAreNotText)
{
    const struct {
        const char* label;
        DWORD type;
        std::string stored;
    } cases[] = {
        {"number", REG_DWORD, "\x07\0\0\0"s},
        {"binary", REG_BINARY, "abc\0"s},
        {"empty binary", REG_BINARY, ""s},
        {"string list", REG_MULTI_SZ, "a\0b\0\0"s},
        {"untyped", REG_NONE, "abc"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        plantValue("snappath", c.type, c.stored);
        fw::RegistryKey key = openStoreKey();
        EXPECT_TRUE(key.valueExists("snappath"));
        EXPECT_EQ(testing_support::errorMessageOf([&] { key.readText("snappath"); }), "Invalid data type for 'snappath'");
        EXPECT_EQ(rawValue("snappath").type, c.type);  // left as it was
        EXPECT_EQ(rawValue("snappath").bytes, c.stored);
    }
}

TEST_F(RegistryKeyTest, MissingValueDoesNotExistAndReadsEmpty)
{
    fw::RegistryKey key = openStoreKey();
    EXPECT_FALSE(key.valueExists("v"));
    EXPECT_EQ(key.readText("v"), "");
}

TEST_F(RegistryKeyTest, WritesTextAsZeroTerminatedRegSz)
{
    for (const std::string& text : {"abc"s, ""s, "  two  spaces \"quoted\" %PATH% "s,
                                   "C:\\\xD7\xC0\xC3\xE6\\\x81\x5C"s}) {
        SCOPED_TRACE(text);
        fw::RegistryKey key = openStoreKey();
        key.writeText("v", text);
        key.close();
        const auto stored = rawValue("v");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.bytes, text + '\0');
    }
}

TEST_F(RegistryKeyTest, WriteReplacesAValueOfAnotherType)
{
    plantValue("jishu", REG_DWORD, "\x07\0\0\0"s);
    fw::RegistryKey key = openStoreKey();
    key.writeText("jishu", "8");
    EXPECT_EQ(key.readText("jishu"), "8");
    EXPECT_EQ(rawValue("jishu").type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryKeyTest, WithoutAKeyNothingExistsAndWritesFail)
{
    plantValue("v", REG_SZ, "abc\0"s);
    fw::RegistryKey closed = openStoreKey();
    closed.close();
    fw::RegistryKey neverOpened;
    for (fw::RegistryKey* key : {&closed, &neverOpened}) {
        EXPECT_FALSE(key->isOpen());
        EXPECT_FALSE(key->valueExists("v"));
        EXPECT_EQ(key->readText("v"), "");
        EXPECT_EQ(testing_support::errorMessageOf([&] { key->writeText("v", "new"); }), "Failed to set data for 'v'");
    }
    EXPECT_EQ(rawValue("v").bytes, "abc\0"s);
}

}  // namespace

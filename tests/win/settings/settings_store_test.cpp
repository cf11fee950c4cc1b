#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <climits>

#include "framework/error.h"
#include "tests/win/support/store_key.h"

namespace {

using namespace std::string_literals;
using settings::SettingsStore;
using testing_support::errorMessageOf;
using testing_support::plantValue;
using testing_support::rawValue;

const char* const kAllValues[] = {settings::kSnapPath, settings::kSnapName, settings::kCount};

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::removeStoreKey(); }
    void TearDown() override { testing_support::removeStoreKey(); }
};

TEST_F(SettingsStoreTest, FirstUseCreatesTheEmptyKey)
{
    {
        SettingsStore store;
        EXPECT_TRUE(store.isOpen());
        for (const char* name : kAllValues)
            EXPECT_FALSE(store.has(name)) << name;
    }
    ASSERT_TRUE(testing_support::storeKeyExists());
    EXPECT_EQ(testing_support::storeKeyEntries(), 0u);
}

TEST_F(SettingsStoreTest, TextComesBackExactlyAsWritten)
{
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {settings::kSnapName, ""},
        {settings::kSnapName, "hhshot"},
        {settings::kSnapName, " \xBD\xD8\xCD\xBC "},  // spaces kept
        {settings::kSnapPath, "D:\\"},
        {settings::kSnapPath, "C:\\Documents and Settings\\\xD7\xC0\xC3\xE6\\\x81\x5C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " = '"s + c.text + "'");
        SettingsStore().writeText(c.name, c.text);
        EXPECT_EQ(rawValue(c.name).type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(rawValue(c.name).bytes.size(), c.text.size() + 1);
        SettingsStore store;
        EXPECT_TRUE(store.has(c.name));
        EXPECT_EQ(store.readText(c.name), c.text);
    }
}

TEST_F(SettingsStoreTest, CountIsKeptAsDecimalText)
{
    const struct {
        std::int32_t count;
        const char* text;
    } cases[] = {{0, "0"}, {7, "7"}, {-2, "-2"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SettingsStore().writeCount(c.count);
        EXPECT_EQ(rawValue(settings::kCount).bytes, c.text + "\0"s);
        EXPECT_EQ(SettingsStore().readCount(), c.count);
    }
}

TEST_F(SettingsStoreTest, CountThatIsNotAnIntegerIsAnErrorAndStaysStored)
{
    for (const std::string& text : {"abc"s, ""s, "2147483648"s, "7 "s}) {
        SCOPED_TRACE(text);
        plantValue(settings::kCount, REG_SZ, text + '\0');
        SettingsStore store;
        EXPECT_TRUE(store.has(settings::kCount));
        EXPECT_EQ(errorMessageOf([&] { store.readCount(); }), "'" + text + "' is not a valid integer value");
        EXPECT_EQ(rawValue(settings::kCount).bytes, text + '\0');
    }
}

TEST_F(SettingsStoreTest, FolderStoredAsANumberIsAnInvalidDataType)
{
    plantValue(settings::kSnapPath, REG_DWORD, "\x05\0\0\0"s);
    SettingsStore store;
    EXPECT_TRUE(store.has(settings::kSnapPath));
    EXPECT_EQ(errorMessageOf([&] { store.readText(settings::kSnapPath); }), "Invalid data type for 'snappath'");
}

TEST_F(SettingsStoreTest, FolderStoredAsExpandableTextReadsUnexpanded)
{
    plantValue(settings::kSnapPath, REG_EXPAND_SZ, "%USERPROFILE%\\shots\0"s);
    EXPECT_EQ(SettingsStore().readText(settings::kSnapPath), "%USERPROFILE%\\shots");
}

TEST_F(SettingsStoreTest, KeyThatCannotBeOpenedRestoresNothingAndRefusesWrites)
{
    for (const char* name : kAllValues)
        plantValue(name, REG_SZ, "1\0"s);
    ASSERT_TRUE(testing_support::denyAccessToStoreKey());

    SettingsStore store;
    EXPECT_FALSE(store.isOpen());
    for (const char* name : kAllValues) {
        EXPECT_FALSE(store.has(name)) << name;
        EXPECT_EQ(errorMessageOf([&] { store.writeText(name, "2"); }), "Failed to set data for '"s + name + "'");
    }
    EXPECT_EQ(errorMessageOf([&] { store.writeCount(2); }), "Failed to set data for 'jishu'");

    testing_support::restoreAccessToStoreKey();
    for (const char* name : kAllValues)
        EXPECT_EQ(rawValue(name).bytes, "1\0"s) << name;
}

TEST_F(SettingsStoreTest, ASwitchIsOnOnlyWhenStoredAsOne)
{
    const struct { DWORD type; std::string data; bool on; } cases[] = {
        {REG_SZ, "1\0"s, true},
        {REG_SZ, "0\0"s, false},
        {REG_SZ, "yes\0"s, false},
        {REG_SZ, " 1\0"s, false},
        {REG_SZ, ""s, false},
        {REG_DWORD, "\1\0\0\0"s, false},  // not text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        plantValue(settings::kPng, c.type, c.data);
        EXPECT_EQ(SettingsStore().readFlag(settings::kPng), c.on);
    }
    testing_support::removeStoreKey();
    EXPECT_FALSE(SettingsStore().readFlag(settings::kClipboard));  // missing
    SettingsStore().writeFlag(settings::kClipboard, true);
    EXPECT_EQ(rawValue(settings::kClipboard).bytes, "1\0"s);
    SettingsStore().writeFlag(settings::kClipboard, false);
    EXPECT_EQ(rawValue(settings::kClipboard).bytes, "0\0"s);
}

}  // namespace

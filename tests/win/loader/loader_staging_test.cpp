// Staging writes the embedded loader to c:\temp\JavaLoader.exe. This program embeds the
// stand-in, as Vistrel.exe does.
#include <gtest/gtest.h>

#include "capture/loader_staging.h"
#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/win/handle.h"
#include "tests/win/loader/loader_test_support.h"
#include "tests/win/support/store_key.h"

using namespace loader_test;

namespace {

std::string stagingError(HMODULE module)
{
    return testing_support::errorMessageOf([module] { capture::stageLoader(module); });
}

using LoaderStaging = StagingFolderTest;

TEST_F(LoaderStaging, WritesTheBuiltStandInByteForByte)
{
    capture::stageLoader();
    const auto staged = readBytes(capture::kStagedLoader);
    const auto built = readBytes(VISTREL_TEST_STANDIN);
    ASSERT_TRUE(staged && built);
    EXPECT_GT(built->size(), 4096u);
    EXPECT_TRUE(*staged == *built);
}

TEST_F(LoaderStaging, ReplacesAnOlderLargerStagedFile)
{
    const auto built = readBytes(VISTREL_TEST_STANDIN);
    ASSERT_TRUE(built);
    writeBytes(capture::kStagedLoader, std::string(built->size() + 5000, 'x'));

    capture::stageLoader();

    const auto staged = readBytes(capture::kStagedLoader);
    ASSERT_TRUE(staged);
    EXPECT_EQ(staged->size(), built->size());
    EXPECT_TRUE(*staged == *built);
}

TEST_F(LoaderStaging, FileHeldOpenWithoutSharingIsNotReplaced)
{
    writeBytes(capture::kStagedLoader, "older loader");
    fw::UniqueFile holder(CreateFileA(capture::kStagedLoader, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);

    EXPECT_EQ(stagingError(nullptr), "Cannot create file c:\\temp\\JavaLoader.exe");

    holder.reset();
    const auto left = readBytes(capture::kStagedLoader);
    ASSERT_TRUE(left);
    EXPECT_EQ(std::string(left->begin(), left->end()), "older loader");
}

TEST_F(LoaderStaging, ModuleWithoutTheResourceWritesNothing)
{
    // kernel32 is a real module that carries no loader.
    EXPECT_EQ(stagingError(GetModuleHandleA("kernel32.dll")), "Resource javaload not found");
    EXPECT_FALSE(fileExists(capture::kStagedLoader));
}

TEST_F(LoaderStaging, ResourceNamesAreFoundWithoutRegardToCase)
{
    EXPECT_NE(FindResourceA(nullptr, "JAVALOAD", "JAVALOADEREXE"), nullptr);
    EXPECT_NE(FindResourceA(nullptr, "javaload", "JavaLoaderEXE"), nullptr);
}

}  // namespace

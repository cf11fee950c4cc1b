// Staging writes the embedded loader to c:\temp\JavaLoader.exe. This program embeds the
// stand-in, as Vistrel.exe does.
#include <gtest/gtest.h>

#include "capture/loader_staging.h"
#include "capture/staging_folder.h"
#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/win/handle.h"
#include "tests/win/loader/loader_test_support.h"
#include "tests/win/support/store_key.h"
#include "tests/win/support/temp_folder.h"
#include "tests/win/support/linux_side.h"

using namespace loader_test;

namespace {

std::string stagingError(HMODULE module)
{
    return testing_support::errorMessageOf([module] { stage(module); });
}

// Open attempts by another program (another process is no different to the file system).
bool canOpen(const char* path, DWORD access)
{
    return static_cast<bool>(fw::UniqueFile(CreateFileA(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                        nullptr, OPEN_EXISTING, 0, nullptr)));
}

// Granted to the user and SYSTEM, and to nobody else. (Wine keeps an access list as the
// file's Linux permissions: the Administrators' entry and the protection from inheritance,
// which Windows keeps as given, do not survive it; framework_tests check the list as made.)
void expectPrivate(const std::string& path)
{
    const std::string list = testing_support::accessListText(path);
    for (const char* trustee : {";;;SY)", ";;;S-1-5-21-"})
        EXPECT_NE(list.find(trustee), std::string::npos) << trustee << " in " << list;
    for (const char* other : {";;;WD)", ";;;AU)", ";;;BU)"})
        EXPECT_EQ(list.find(other), std::string::npos) << other << " in " << list;
}

// A folder of the user's outside the staging folder, with one file in it.
class UsersOwnFiles {
public:
    UsersOwnFiles() : folder_("staging-outside") { writeBytes(file(), "the user's own file"); }
    std::string folder() const { return folder_.path(); }
    std::string file() const { return folder_.path() + "\\own.exe"; }
    void expectUntouched() const
    {
        const auto bytes = readBytes(file());
        ASSERT_TRUE(bytes);
        EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "the user's own file");
        EXPECT_EQ(testing_support::namesIn(folder()), std::vector<std::string>{"own.exe"});
    }

private:
    testing_support::TempFolder folder_;
};

using LoaderStaging = StagingFolderTest;

TEST_F(LoaderStaging, WritesTheBuiltStandInByteForByte)
{
    stage();
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

    stage();

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

TEST_F(LoaderStaging, ALinkAtTheLoaderNameIsLeftAloneAndNothingIsStaged)
{
    const UsersOwnFiles own;
    const testing_support::ScopedUnixLink link(own.file(), capture::kStagedLoader);
    ASSERT_TRUE(link.ok());
    EXPECT_EQ(stagingError(nullptr), "Cannot create file c:\\temp\\JavaLoader.exe");
    own.expectUntouched();
}

TEST_F(LoaderStaging, TheStagedLoaderIsHeldAgainstWritersAndDeletersUntilItIsLetGo)
{
    {
        const capture::StagedLoader loader = capture::stageLoader(capture::holdStagingFolder());
        EXPECT_TRUE(canOpen(capture::kStagedLoader, GENERIC_READ));
        EXPECT_FALSE(canOpen(capture::kStagedLoader, GENERIC_WRITE));
        EXPECT_FALSE(canOpen(capture::kStagedLoader, DELETE));
        EXPECT_FALSE(MoveFileA(capture::kStagedLoader, "c:\\temp\\moved.exe"));
        // Wine keeps the access list it is given, though it does not enforce it.
        expectPrivate(capture::kStagedLoader);
    }
    EXPECT_TRUE(canOpen(capture::kStagedLoader, GENERIC_WRITE));
}

TEST_F(LoaderStaging, AStagingFolderThatIsALinkIsNotUsed)
{
    const UsersOwnFiles own;
    testing_support::removeUnixName(capture::kStagingFolder);
    {
        const testing_support::ScopedUnixLink link(own.folder(), capture::kStagingFolder);
        ASSERT_TRUE(link.ok());
        EXPECT_EQ(testing_support::errorMessageOf([] { capture::holdStagingFolder(); }),
                  "Cannot create c:\\temp directory.");
        capture::deleteStagedFiles();  // what the window's close does
    }
    own.expectUntouched();
}

TEST_F(LoaderStaging, AStagingFolderTheProgramMakesIsPrivateAndOneThatExistsIsNotChanged)
{
    testing_support::removeUnixName(capture::kStagingFolder);
    capture::holdStagingFolder();
    expectPrivate(capture::kStagingFolder);

    testing_support::removeUnixName(capture::kStagingFolder);
    CreateDirectoryA(capture::kStagingFolder, nullptr);
    const std::string before = testing_support::accessListText(capture::kStagingFolder);
    capture::holdStagingFolder();
    EXPECT_EQ(testing_support::accessListText(capture::kStagingFolder), before);
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

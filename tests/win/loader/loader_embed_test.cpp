// A program that embeds another file as its loader, the way -DVISTREL_LOADER does for
// Vistrel.exe: the file here holds every byte value, line ends and a Ctrl-Z, and is no
// program at all.
#include <gtest/gtest.h>

#include "capture/loader_run.h"
#include "capture/loader_staging.h"
#include "capture/staging_paths.h"
#include "tests/win/loader/loader_test_support.h"

using namespace loader_test;

namespace {

using EmbeddedFile = StagingFolderTest;

TEST_F(EmbeddedFile, IsStagedByteForByte)
{
    capture::stageLoader();
    const auto staged = readBytes(capture::kStagedLoader);
    const auto given = readBytes(VISTREL_TEST_EMBEDDED_FILE);
    ASSERT_TRUE(staged && given);
    ASSERT_EQ(given->size(), 1001u);
    EXPECT_TRUE(*staged == *given);
}

TEST_F(EmbeddedFile, ThatIsNoProgramFailsToStartWithTheMessage)
{
    capture::stageLoader();
    MessageBoxWatcher watcher;
    MemoryLog log;

    EXPECT_EQ(capture::runLoader(log), capture::LoaderRunResult::Failed);

    const auto boxes = watcher.boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error on CreateProcess()");
    EXPECT_TRUE(log.entries.empty());
    EXPECT_TRUE(fileExists(capture::kStagedLoader));  // left for the next capture
}

}  // namespace

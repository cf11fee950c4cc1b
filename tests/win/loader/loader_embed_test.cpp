// A program that embeds another file as its loader, the way -DVISTREL_LOADER does for
// Vistrel.exe: the file here holds every byte value, line ends and a Ctrl-Z, and is no
// program at all.
#include <gtest/gtest.h>

#include "capture/capture_command.h"
#include "capture/loader_staging.h"
#include "capture/staging_paths.h"
#include "tests/win/loader/loader_test_support.h"

using namespace loader_test;

namespace {

using EmbeddedFile = StagingFolderTest;

TEST_F(EmbeddedFile, IsStagedByteForByte)
{
    stage();
    const auto staged = readBytes(capture::kStagedLoader);
    const auto given = readBytes(VISTREL_TEST_EMBEDDED_FILE);
    ASSERT_TRUE(staged && given);
    ASSERT_EQ(given->size(), 1001u);
    EXPECT_TRUE(*staged == *given);
}

// What a capture shows, for a capture that never gets as far as a picture.
class NoPictureWindow : public capture::CaptureWindow {
public:
    capture::LoaderLog& loaderLog() override { return log; }
    void showPreview(const fw::PixelImage&) override { ADD_FAILURE() << "no picture expected"; }
    void takeCaptureNumber(std::int32_t) override { ADD_FAILURE() << "no number expected"; }
    MemoryLog log;
};

TEST_F(EmbeddedFile, ThatIsNoProgramFailsToStartWithTheMessage)
{
    MemoryLog log;
    EXPECT_EQ(capture::runLoader(log), capture::LoaderRunResult::ProcessFailed);
    EXPECT_TRUE(log.entries.empty());

    NoPictureWindow window;
    const capture::CaptureOutcome outcome = capture::captureScreen({"c:\\", "x", 0}, window);
    EXPECT_EQ(outcome.kind, capture::CaptureOutcome::Kind::Message);
    EXPECT_EQ(outcome.text, "Error on CreateProcess()");
    EXPECT_TRUE(window.log.entries.empty());
    EXPECT_FALSE(fileExists(capture::kStagedLoader));  // removed however the capture ends
}

}  // namespace

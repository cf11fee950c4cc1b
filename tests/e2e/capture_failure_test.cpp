// Captures that cannot be made: each says what happened in the program's words, writes
// nothing it should not, and leaves the program ready for the next press.
#include <windows.h>

#include "tests/win/support/jpeg_facts.h"
#include "tests/e2e/driver/outside_wine.h"
#include "tests/e2e/vistrel_case.h"
#include "tests/win/support/temp_folder.h"

namespace {

constexpr char kNoBitmapMessage[] = "不能抓图，也许 usb 线没连接好！";
constexpr char kCannotCreateStagingFolder[] = "Cannot create c:\\temp directory.";

using CaptureFailure = VistrelCase;

TEST_F(CaptureFailure, NoHandheldSaysSoWritesNothingAndIsReadyAtOnce)
{
    store("snappath", kShots);
    store("jishu", "4");
    e2e::MainWindow& w = start({.handheld = "none"});
    const std::string credit = w.status();

    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.box) << "no box";
    EXPECT_EQ(end.box->caption, kTitle);
    EXPECT_EQ(end.box->text, kNoBitmapMessage);
    EXPECT_FALSE(end.box->stopIcon);
    ASSERT_TRUE(e2e::answerBox(w, *end.box));

    EXPECT_TRUE(w.captureEnabled());
    EXPECT_EQ(folderListing(kShots), "");
    EXPECT_EQ(stored("jishu"), "4");
    EXPECT_EQ(w.status(), credit);
}

TEST_F(CaptureFailure, AStaleCaptureBitmapIsNotTakenForThisCapture)
{
    // Left by an earlier capture that failed after its loader run.
    CreateDirectoryA(kStagingFolder, nullptr);
    writeFile(kCaptureBitmap, smallBitmapFile());
    store("snappath", kShots);
    e2e::MainWindow& w = start({.handheld = "none"});

    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.box) << "no box: the stale bitmap was taken";
    EXPECT_EQ(end.box->text, kNoBitmapMessage);
    ASSERT_TRUE(e2e::answerBox(w, *end.box));
    EXPECT_EQ(folderListing(kShots), "");
    EXPECT_EQ(stored("jishu"), "(missing)");
    EXPECT_FALSE(exists(kCaptureBitmap));
}

TEST_F(CaptureFailure, APrefixThatCannotNameAFileIsReportedAndUsesUpTheNumber)
{
    store("snappath", kShots);
    e2e::MainWindow& w = start();
    const std::string credit = w.status();
    for (const char* prefix : {"bad?name", "a*b", "x<y>z", "pipe|"}) {
        SCOPED_TRACE(prefix);
        w.typePrefix(prefix);  // restarts the numbering: this capture is number 1
        const e2e::CaptureEnd end = capture();
        ASSERT_TRUE(end.box) << "no box";
        EXPECT_EQ(end.box->caption, kTitle);
        EXPECT_EQ(end.box->text, "Cannot create file " + shot(std::string(prefix) + "1.jpg") + ".");
        EXPECT_TRUE(end.box->stopIcon);
        ASSERT_TRUE(e2e::answerBox(w, *end.box));
        EXPECT_EQ(stored("jishu"), "1");
        EXPECT_EQ(w.status(), credit);
        EXPECT_TRUE(w.captureEnabled());
    }
    EXPECT_EQ(folderListing(kShots), "");
}

TEST_F(CaptureFailure, AStagingFolderThatIsAFileStopsTheCaptureBeforeTheLoader)
{
    writeFile(kStagingFolder, "a file, not a folder");
    store("snappath", kShots);
    e2e::MainWindow& w = start();

    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.box) << "no box";
    EXPECT_EQ(end.box->caption, kTitle);
    EXPECT_EQ(end.box->text, kCannotCreateStagingFolder);
    EXPECT_TRUE(end.box->stopIcon);
    ASSERT_TRUE(e2e::answerBox(w, *end.box));
    EXPECT_TRUE(w.captureEnabled());
    EXPECT_EQ(readFile(kStagingFolder), "a file, not a folder");
    EXPECT_EQ(folderListing(kShots), "");
    EXPECT_EQ(stored("jishu"), "(missing)");
}

TEST_F(CaptureFailure, AFolderRemovedBehindTheProgramsBackUsesUpTheNumberAndKeepsEarlierPictures)
{
    store("snappath", kShots);
    store("jishu", "1");
    e2e::MainWindow& w = start();
    ASSERT_TRUE(capture().ended);
    const std::string earlier = readFile(shot("hhshot2.jpg"));
    ASSERT_TRUE(testing_support::decodeJpegFile(shot("hhshot2.jpg")).decoded);

    // The folder is the program's current directory, which Windows would not let go.
    const std::string moved = std::string(kShots) + "-moved";
    ASSERT_TRUE(e2e::moveOutsideWine(kShots, moved));
    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.box) << "no box";
    EXPECT_EQ(end.box->text, "Cannot create file " + shot("hhshot3.jpg") + ".");
    EXPECT_TRUE(end.box->stopIcon);
    ASSERT_TRUE(e2e::answerBox(w, *end.box));
    EXPECT_EQ(stored("jishu"), "3");
    EXPECT_EQ(w.status(), shot("hhshot2.jpg"));
    EXPECT_EQ(readFile(moved + "\\hhshot2.jpg"), earlier);
    EXPECT_FALSE(exists(kShots));
    close();
    testing_support::removeTree(moved);
}

}  // namespace

// Captures that work, seen as a user finds them: numbered pictures of the handheld's screen,
// the count kept, the path shown, the staging folder clean.
#include <windows.h>

#include "tests/win/support/jpeg_facts.h"
#include "tests/e2e/driver/real_input.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/wait.h"
#include "tests/e2e/vistrel_case.h"

namespace {

using GoodCapture = VistrelCase;

// A colour baseline picture of that size.
void expectPicture(const std::string& path, int width, int height)
{
    const testing_support::JpegFacts facts = testing_support::decodeJpegFile(path);
    ASSERT_TRUE(facts.decoded) << path << ": " << facts.error;
    EXPECT_EQ(facts.width, width) << path;
    EXPECT_EQ(facts.height, height) << path;
    EXPECT_EQ(facts.components, 3) << path;
    EXPECT_FALSE(facts.progressive) << path;
    EXPECT_TRUE(facts.hasColour) << path;
}

TEST_F(GoodCapture, TwoCapturesGiveTheNextTwoNumbersAndLeaveTheStagingFolderClean)
{
    store("snappath", kShots);
    store("snapname", "hhshot");
    store("jishu", "4");
    e2e::MainWindow& w = start();
    for (const char* name : {"hhshot5.jpg", "hhshot6.jpg"}) {
        const e2e::CaptureEnd end = capture();
        ASSERT_TRUE(end.ended) << name;
        ASSERT_FALSE(end.box) << end.box->text;
        expectPicture(shot(name), 480, 360);
    }
    EXPECT_EQ(folderListing(kShots), "hhshot5.jpg hhshot6.jpg");
    EXPECT_EQ(stored("jishu"), "6");
    EXPECT_EQ(w.status(), shot("hhshot6.jpg"));
    EXPECT_TRUE(w.captureEnabled());
    EXPECT_TRUE(exists(kStagingFolder));
    EXPECT_FALSE(exists(kStagedLoader));
    EXPECT_FALSE(exists(kCaptureBitmap));

    // For a person to look at: the window with the preview and the saved path.
    const std::string screenshot = std::string(VISTREL_E2E_SCREENSHOTS) + "/after-capture.bmp";
    EXPECT_TRUE(e2e::saveWindowPicture(w.window(), screenshot)) << screenshot;
}

TEST_F(GoodCapture, SixteenAndThirtyTwoBitScreensGiveColourPicturesOfTheirSize)
{
    const struct { const char* model; int width, height; } cases[] = {
        {"model=320x240x16", 320, 240},
        {"model=800x480x32", 800, 480},
    };
    store("snappath", kShots);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        e2e::MainWindow& w = start({.handheld = c.model});
        const e2e::CaptureEnd end = capture();
        ASSERT_TRUE(end.ended);
        ASSERT_FALSE(end.box) << end.box->text;
        expectPicture(w.status(), c.width, c.height);
    }
}

TEST_F(GoodCapture, AnExistingPictureIsNeverReplaced)
{
    store("snappath", kShots);
    writeFile(shot("hhshot1.jpg"), "an older picture");
    e2e::MainWindow& w = start();
    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.ended);
    ASSERT_FALSE(end.box) << end.box->text;
    EXPECT_EQ(readFile(shot("hhshot1.jpg")), "an older picture");
    expectPicture(shot("hhshot2.jpg"), 480, 360);
    EXPECT_EQ(w.status(), shot("hhshot2.jpg"));
    EXPECT_EQ(stored("jishu"), "2");
}

TEST_F(GoodCapture, EnterOrSpaceRightAfterStartCaptures)
{
    for (const WORD key : {WORD{VK_RETURN}, WORD{VK_SPACE}}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Space");
        freshSlate();
        store("snappath", kShots);
        e2e::MainWindow& w = start();
        ASSERT_TRUE(w.settle());  // shown, and waiting for input
        SetForegroundWindow(w.window());
        GUITHREADINFO thread{};
        thread.cbSize = sizeof(thread);
        ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(w.window(), nullptr), &thread));
        EXPECT_EQ(thread.hwndFocus, w.buttonSnap());

        e2e::pressKey(key);
        EXPECT_TRUE(e2e::waitUntil(20000, [&] { return w.status() == shot("hhshot1.jpg"); })) << w.status();
        EXPECT_TRUE(w.settle());
        expectPicture(shot("hhshot1.jpg"), 480, 360);
        close();
    }
}

TEST_F(GoodCapture, ARestartKeepsFolderPrefixAndCount)
{
    store("snappath", kShots);
    start().typePrefix("trip");
    ASSERT_TRUE(capture().ended);
    EXPECT_TRUE(exists(shot("trip1.jpg")));
    close();

    e2e::MainWindow& again = start();
    EXPECT_EQ(again.prefix(), "trip");
    EXPECT_EQ(again.folderLabel(), kShots);
    ASSERT_TRUE(capture().ended);
    EXPECT_EQ(again.status(), shot("trip2.jpg"));

    // A new prefix restarts the numbering in the window only; the stored count is still 2,
    // so after a restart the numbering goes on from it.
    again.typePrefix("walk");
    EXPECT_EQ(stored("snapname"), "walk");
    EXPECT_EQ(stored("jishu"), "2");
    close();
    e2e::MainWindow& third = start();
    EXPECT_EQ(third.prefix(), "walk");
    ASSERT_TRUE(capture().ended);
    EXPECT_EQ(third.status(), shot("walk3.jpg"));
    EXPECT_EQ(folderListing(kShots), "trip1.jpg trip2.jpg walk3.jpg");
}

}  // namespace

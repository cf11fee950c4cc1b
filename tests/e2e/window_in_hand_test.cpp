// The window stays in the user's hands: Enter captures again after a capture and its box,
// closing from the task bar cleans up, and what other programs send during a capture waits
// for it or is ignored.
#include <windows.h>

#include "tests/e2e/driver/real_input.h"
#include "tests/e2e/driver/wait.h"
#include "tests/e2e/driver/window_search.h"
#include "tests/e2e/vistrel_case.h"
#include "ui/formmain_layout.h"

namespace {

using WindowInHand = VistrelCase;

// Enter typed into the program as the user types it, once it is in front and idle.
void pressEnter(const e2e::MainWindow& w)
{
    ASSERT_TRUE(w.settle());
    SetForegroundWindow(w.window());
    ASSERT_TRUE(w.settle());
    e2e::pressKey(VK_RETURN);
}

TEST_F(WindowInHand, EnterCapturesAgainAfterTheBoxOfAFailedCapture)
{
    store("snappath", kShots);
    e2e::MainWindow& w = start({.handheld = "none"});
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        pressEnter(w);
        const std::optional<e2e::BoxSeen> box = e2e::waitForBox(app->id(), 20000);
        ASSERT_TRUE(box) << "Enter started no capture";
        ASSERT_TRUE(e2e::answerBox(w, *box));
    }
}

TEST_F(WindowInHand, EnterCapturesAgainAfterAGoodCapture)
{
    store("snappath", kShots);
    e2e::MainWindow& w = start();
    for (const char* picture : {"hhshot1.jpg", "hhshot2.jpg"}) {
        SCOPED_TRACE(picture);
        pressEnter(w);
        EXPECT_TRUE(e2e::waitUntil(20000, [&] { return w.status() == shot(picture); })) << w.status();
    }
}

TEST_F(WindowInHand, ClosingFromTheTaskBarWindowRemovesTheStagedFilesAndEndsTheProgram)
{
    for (const bool systemMenu : {false, true}) {
        SCOPED_TRACE(systemMenu ? "its system menu" : "WM_CLOSE");
        freshSlate();
        start();
        CreateDirectoryA(kStagingFolder, nullptr);
        writeFile(kStagedLoader, "left by an earlier capture");
        writeFile(kCaptureBitmap, smallBitmapFile());
        const HWND taskBar = e2e::findTopLevelWindow(app->id(), "TApplication");
        ASSERT_TRUE(taskBar);
        if (systemMenu)
            PostMessageA(taskBar, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            PostMessageA(taskBar, WM_CLOSE, 0, 0);
        EXPECT_TRUE(e2e::waitUntil(10000, [&] { return !app->running(); })) << "the program did not end";
        EXPECT_FALSE(exists(kStagedLoader));
        EXPECT_FALSE(exists(kCaptureBitmap));
    }
}

TEST_F(WindowInHand, ACaptureRequestAndACloseSentDuringACaptureAreIgnoredAndHeld)
{
    store("snappath", kShots);
    e2e::MainWindow& w = start({.handheld = "delay=3000"});
    w.click(w.buttonSnap());
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return !w.captureEnabled(); })) << "the capture did not start";
    // Sent, not posted: the window's thread handles them while it waits for the loader.
    const HWND button = w.buttonSnap();
    SendNotifyMessageA(w.window(), WM_COMMAND, MAKEWPARAM(ui::layout::kButtonSnap.id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button));
    SendNotifyMessageA(w.window(), WM_CLOSE, 0, 0);

    EXPECT_TRUE(e2e::waitUntil(20000, [&] { return !app->running(); })) << "the program did not end";
    EXPECT_EQ(folderListing(kShots), "hhshot1.jpg");
    EXPECT_EQ(stored("jishu"), "1");
    EXPECT_FALSE(exists(kStagedLoader));
    EXPECT_FALSE(exists(kCaptureBitmap));
}

}  // namespace

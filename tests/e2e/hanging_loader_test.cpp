// A loader that never ends. Vistrel gives up after its 30 s bound, keeps its window painted
// meanwhile, takes no input, and leaves nothing behind that would stop the next capture.
#include <windows.h>

#include "tests/win/support/processes.h"
#include "tests/e2e/driver/real_input.h"
#include "tests/e2e/driver/wait.h"
#include "tests/e2e/vistrel_case.h"

namespace {

constexpr char kTimedOutMessage[] = "抓图超时，手持设备没有响应！";
constexpr DWORD kLoaderBoundMs = 30000;
constexpr DWORD kLeewayMs = 5000;

using HangingLoader = VistrelCase;

// Answers whether the window's thread painted what was invalidated.
bool repaints(HWND window)
{
    InvalidateRect(window, nullptr, TRUE);
    return e2e::waitUntil(3000, [&] { return !GetUpdateRect(window, nullptr, FALSE); });
}

TEST_F(HangingLoader, TimesOutWithinItsBoundPaintingAndTakingNoInputAndTheNextCaptureWorks)
{
    store("snappath", kShots);
    e2e::MainWindow& w = start({.handheld = "hang"});
    const std::string folderBefore = w.folderLabel();
    const ULONGLONG pressed = GetTickCount64();
    w.click(w.buttonSnap());
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return !w.captureEnabled(); })) << "the capture did not start";

    // While the loader waits: the window paints, and clicks and keys go nowhere.
    EXPECT_TRUE(repaints(w.window()));
    SetForegroundWindow(w.window());
    e2e::clickWithMouse(w.buttonDesktop());
    e2e::clickWithMouse(w.editSnapName());
    e2e::typeKeys("zz");
    e2e::pressKey(VK_RETURN);
    Sleep(1000);
    EXPECT_TRUE(repaints(w.window()));
    EXPECT_FALSE(e2e::currentBox(app->id())) << "the capture ended early";

    const std::optional<e2e::BoxSeen> box = e2e::waitForBox(app->id(), kLoaderBoundMs + kLeewayMs);
    ASSERT_TRUE(box) << "no time-out message within the bound";
    EXPECT_GE(GetTickCount64() - pressed, kLoaderBoundMs - 1000);
    EXPECT_EQ(box->caption, kTitle);
    EXPECT_EQ(box->text, kTimedOutMessage);
    EXPECT_FALSE(box->stopIcon);
    ASSERT_TRUE(e2e::answerBox(w, *box));
    w.settle();

    EXPECT_TRUE(w.captureEnabled());
    EXPECT_EQ(w.prefix(), "hhshot");
    EXPECT_EQ(w.folderLabel(), folderBefore);
    EXPECT_EQ(stored("snappath"), kShots);
    EXPECT_EQ(stored("jishu"), "(missing)");
    EXPECT_EQ(folderListing(kShots), "");
    EXPECT_FALSE(exists(kStagedLoader));
    EXPECT_TRUE(testing_support::processesNamed("JavaLoader.exe").empty());

    // With the handheld answering again, the next capture works as usual.
    close();
    e2e::MainWindow& again = start();
    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.ended);
    ASSERT_FALSE(end.box) << end.box->text;
    EXPECT_EQ(again.status(), shot("hhshot1.jpg"));
    EXPECT_EQ(folderListing(kShots), "hhshot1.jpg");
    EXPECT_EQ(stored("jishu"), "1");
}

}  // namespace

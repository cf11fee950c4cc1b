// A loader that never ends: here the handheld asks for its password and the loader waits at
// its hidden console for a line that does not come. Vistrel gives up after its 30 s bound,
// keeps its window painted meanwhile, takes no input, and the next capture works.
#include <windows.h>

#include "framework/win/handle.h"
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
    // Vistrel's standard input, which the loader inherits: a pipe that stays empty until the
    // test writes the password.
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof(inheritable);
    inheritable.bInheritHandle = TRUE;
    fw::UniqueHandle inputRead, inputWrite;
    ASSERT_TRUE(CreatePipe(inputRead.put(), inputWrite.put(), &inheritable, 0));
    SetHandleInformation(inputWrite.get(), HANDLE_FLAG_INHERIT, 0);

    store("snappath", kShots);
    e2e::MainWindow& w = start({.handheld = "password", .standardInput = inputRead.get()});
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

    // The password arrives this time: the same program captures as usual.
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(inputWrite.get(), "secret\r\n", 8, &written, nullptr));
    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.ended);
    ASSERT_FALSE(end.box) << end.box->text;
    EXPECT_EQ(w.status(), shot("hhshot1.jpg"));
    EXPECT_EQ(folderListing(kShots), "hhshot1.jpg");
    EXPECT_EQ(stored("jishu"), "1");
}

}  // namespace

// The loader run, with real child processes: the tests' own loader_probe, and the stand-in
// as staged from this program's resource.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "capture/loader_run.h"
#include "capture/loader_staging.h"
#include "capture/staging_paths.h"
#include "framework/win/handle.h"
#include "tests/win/loader/loader_test_support.h"
#include "tests/win/support/handle_counts.h"
#include "tests/win/loader/probe_output.h"

using namespace loader_test;

namespace {

std::string probe(const std::string& arguments)
{
    return "\"" + programFolder() + "loader_probe.exe\" " + arguments;
}

capture::LoaderRunResult run(MemoryLog& log, const std::string& commandLine,
                             std::chrono::milliseconds bound = std::chrono::seconds(20))
{
    return capture::runLoader(log, bound, commandLine.c_str());
}

using LoaderRun = StagingFolderTest;

TEST_F(LoaderRun, LongOutputArrivesWholeInOrderInEntriesOfAtMost4095Bytes)
{
    MemoryLog log;
    ASSERT_EQ(run(log, probe("output 20000")), capture::LoaderRunResult::Finished);
    EXPECT_EQ(log.all(), probeOutput(20000));
    EXPECT_GE(log.entries.size(), 5u);
    for (const auto& entry : log.entries) {
        EXPECT_GT(entry.size(), 0u);
        EXPECT_LE(entry.size(), 4095u);
    }
}

TEST_F(LoaderRun, SilentLoaderFinishesWithAnEmptyLog)
{
    MemoryLog log;
    EXPECT_EQ(run(log, probe("silent")), capture::LoaderRunResult::Finished);
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(LoaderRun, LoaderRunsHiddenInOurCurrentDirectory)
{
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    CreateDirectoryA("c:\\temp\\probe folder", nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA("c:\\temp\\probe folder"));
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);

    MemoryLog log;
    const auto result = run(log, probe("report"));
    SetCurrentDirectoryA(before);
    RemoveDirectoryA("c:\\temp\\probe folder");

    ASSERT_EQ(result, capture::LoaderRunResult::Finished);
    EXPECT_EQ(log.all(), std::string("cwd=") + current + "\nflags=0x101\nshow=0\n");
}

TEST_F(LoaderRun, LoaderThatNeverEndsIsEndedAtTheBound)
{
    stage();
    ScopedEnvironment handheld("VISTREL_HANDHELD", "hang");
    MemoryLog log;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(capture::runLoader(log, std::chrono::milliseconds(2000)), capture::LoaderRunResult::TimedOut);
    const ULONGLONG took = GetTickCount64() - start;
    EXPECT_GE(took, 2000u);
    EXPECT_LT(took, 4000u);
    EXPECT_EQ(log.all(), "Connecting to handheld on USB...\r\n");
    EXPECT_TRUE(processesNamed("JavaLoader.exe").empty());
    EXPECT_FALSE(fileExists(capture::kCaptureBitmap));
}

TEST_F(LoaderRun, FullBoundIsThirtySeconds)
{
    stage();
    ScopedEnvironment handheld("VISTREL_HANDHELD", "hang");
    MemoryLog log;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(capture::runLoader(log), capture::LoaderRunResult::TimedOut);
    const ULONGLONG took = GetTickCount64() - start;
    EXPECT_GE(took, 30000u);
    EXPECT_LT(took, 32000u);
    EXPECT_TRUE(processesNamed("JavaLoader.exe").empty());
}

// The id a probe printed as "holder=<id>", of the helper it started.
unsigned long holderIn(const MemoryLog& log)
{
    unsigned long holder = 0;
    const std::string text = log.all();
    const auto at = text.find("holder=");
    return at != std::string::npos && std::sscanf(text.c_str() + at, "holder=%lu", &holder) == 1 ? holder : 0;
}

bool stillRunning(unsigned long processId)
{
    fw::UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    return process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

TEST_F(LoaderRun, AProcessTheLoaderLeftHoldingThePipeIsEndedAfterAShortGrace)
{
    MemoryLog log;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(run(log, probe("leave-holder")), capture::LoaderRunResult::Finished);
    EXPECT_LT(GetTickCount64() - start, 2000u);
    const unsigned long holder = holderIn(log);
    ASSERT_NE(holder, 0u) << log.all();
    EXPECT_FALSE(stillRunning(holder));
}

TEST_F(LoaderRun, AtTheBoundTheLoaderAndEverythingItStartedAreEnded)
{
    MemoryLog log;
    EXPECT_EQ(run(log, probe("hang-with-helper"), std::chrono::milliseconds(2000)), capture::LoaderRunResult::TimedOut);
    const unsigned long holder = holderIn(log);
    ASSERT_NE(holder, 0u) << log.all();
    EXPECT_FALSE(stillRunning(holder));
    EXPECT_TRUE(processesNamed("loader_probe.exe").empty());
}

TEST_F(LoaderRun, ALoaderThatClosesItsOutputEarlyIsWaitedFor)
{
    MemoryLog log;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(run(log, probe("close-early")), capture::LoaderRunResult::Finished);
    EXPECT_GE(GetTickCount64() - start, 900u);  // it runs a second after closing its output
    EXPECT_TRUE(processesNamed("loader_probe.exe").empty());
}

TEST_F(LoaderRun, TheLoaderInheritsThePipeAloneAndReadsNothingFromItsStandardInput)
{
    MemoryLog log;
    ASSERT_EQ(run(log, probe("handles")), capture::LoaderRunResult::Finished);
    EXPECT_EQ(log.all(), "pipes=1\nstdin=eof\n");
}

// The stand-in that crashes or waits for a password it cannot read finishes without a bitmap.
TEST_F(LoaderRun, StandInThatGetsNoScreenFinishesWithoutABitmap)
{
    const struct {
        const char* handheld;
        const char* logTail;
    } cases[] = {
        {"crash", "Connecting to handheld on USB...\r\n"},
        {"password", "Error: no password given; the handheld stays locked\r\n"},
        {"none", "Error: no handheld found on USB\r\n"},
    };
    stage();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handheld);
        DeleteFileA(capture::kCaptureBitmap);
        ScopedEnvironment handheld("VISTREL_HANDHELD", c.handheld);
        MemoryLog log;
        EXPECT_EQ(capture::runLoader(log, std::chrono::milliseconds(10000)), capture::LoaderRunResult::Finished);
        const std::string text = log.all();
        const std::string tail = c.logTail;
        EXPECT_TRUE(text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
            << text;
        EXPECT_FALSE(fileExists(capture::kCaptureBitmap));
    }
}

TEST_F(LoaderRun, ARunOnAThreadOfItsOwnWritesTheBitmapAndEndsAtOnceWhenCancelled)
{
    stage();
    capture::RunCancel never;
    {
        ScopedEnvironment handheld("VISTREL_HANDHELD", "");
        MemoryLog log;
        capture::LoaderRunResult result{};
        std::thread([&] { result = capture::runLoaderInBackground(log, never); }).join();
        EXPECT_EQ(result, capture::LoaderRunResult::Finished);
        EXPECT_TRUE(fileExists(capture::kCaptureBitmap));
        EXPECT_NE(log.all().find("Screen saved"), std::string::npos);
    }

    DeleteFileA(capture::kCaptureBitmap);
    ScopedEnvironment slow("VISTREL_HANDHELD", "delay=2000");
    capture::RunCancel cancel;
    MemoryLog log;
    std::atomic<ULONGLONG> ended{0};
    capture::LoaderRunResult result{};
    std::thread run([&] {
        result = capture::runLoaderInBackground(log, cancel);
        ended = GetTickCount64();
    });
    Sleep(300);
    const ULONGLONG cancelled = GetTickCount64();
    cancel.cancel();
    run.join();
    EXPECT_EQ(result, capture::LoaderRunResult::Cancelled);
    EXPECT_LT(ended - cancelled, 100u);
    EXPECT_TRUE(processesNamed("JavaLoader.exe").empty());
    EXPECT_FALSE(fileExists(capture::kCaptureBitmap));
}

TEST_F(LoaderRun, StandInWritesTheCaptureBitmap)
{
    stage();
    ScopedEnvironment handheld("VISTREL_HANDHELD", "");
    MemoryLog log;
    EXPECT_EQ(capture::runLoader(log), capture::LoaderRunResult::Finished);
    EXPECT_TRUE(fileExists(capture::kCaptureBitmap));
    EXPECT_NE(log.all().find("Screen saved to c:\\temp\\tmpsnap.bmp"), std::string::npos);
}

TEST_F(LoaderRun, ManyRunsLeaveTheHandleCountWhereItWas)
{
    MemoryLog log;
    ASSERT_EQ(run(log, probe("output 10")), capture::LoaderRunResult::Finished);  // first-use allocations
    const testing_support::HandleCounts before = testing_support::handleCounts();
    ASSERT_GT(before.kernel, 0);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(run(log, probe("output 10")), capture::LoaderRunResult::Finished);
    const testing_support::HandleCounts after = testing_support::handleCounts();
    EXPECT_EQ(after.kernel, before.kernel);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
}

// A window of the test's own, counting what reaches it. Posted input is told from real
// input (SendInput) by the key and the point: posted Enter at (20, 20), real Space elsewhere.
struct Counts {
    std::atomic<int> paints{0};
    std::atomic<int> waitCursorPaints{0};
    std::atomic<int> postedInput{0};
    std::atomic<int> realInput{0};
};
Counts counts;
constexpr LPARAM kPostedPoint = MAKELPARAM(20, 20);

LRESULT CALLBACK countingWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        ++counts.paints;
        if (GetCursor() == LoadCursorA(nullptr, IDC_WAIT))
            ++counts.waitCursorPaints;
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        ++(lParam == kPostedPoint ? counts.postedInput : counts.realInput);
        return 0;
    case WM_KEYDOWN:
    case WM_CHAR:
        ++(wParam == VK_RETURN || wParam == '\r' ? counts.postedInput : counts.realInput);
        return 0;
    case WM_NCLBUTTONDOWN:
        ++counts.postedInput;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// An impatient user for a while: clicks and keys, real and posted, while something uncovers
// the window again and again.
void impatientUser(HWND window, ULONGLONG forMs)
{
    RECT frame;
    GetWindowRect(window, &frame);
    SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2 + 10);
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < forMs) {
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, kPostedPoint);
        PostMessageA(window, WM_LBUTTONUP, 0, kPostedPoint);
        PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(window, WM_CHAR, '\r', 1);
        PostMessageA(window, WM_NCLBUTTONDOWN, HTCLOSE, 0);
        INPUT real[4]{};
        real[0].type = real[1].type = INPUT_MOUSE;
        real[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        real[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        real[2].type = real[3].type = INPUT_KEYBOARD;
        real[2].ki.wVk = real[3].ki.wVk = VK_SPACE;
        real[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, real, sizeof(INPUT));
        InvalidateRect(window, nullptr, TRUE);
        Sleep(50);
    }
}

class TestWindow {
public:
    TestWindow()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = countingWindow;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LoaderRunTestWindow";
        RegisterClassA(&windowClass);
        handle = CreateWindowA("LoaderRunTestWindow", "test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(handle);
        SetFocus(handle);
        deliverQueued();
    }
    ~TestWindow() { DestroyWindow(handle); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    static void deliverQueued()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    HWND handle;
};

TEST_F(LoaderRun, WindowKeepsPaintingAndDropsInputWhileTheLoaderRuns)
{
    TestWindow window;
    ASSERT_TRUE(window.handle);

    // First, with the thread free: both kinds of input reach the window.
    std::thread before([&] { impatientUser(window.handle, 300); });
    for (const ULONGLONG start = GetTickCount64(); GetTickCount64() - start < 600; Sleep(10))
        TestWindow::deliverQueued();
    before.join();
    TestWindow::deliverQueued();
    ASSERT_GT(counts.postedInput, 0);
    ASSERT_GT(counts.realInput, 0);
    counts.paints = counts.waitCursorPaints = counts.postedInput = counts.realInput = 0;

    // Then during a run. The user stops well before the loader ends, so all of it lands
    // during the run.
    std::thread during([&] { impatientUser(window.handle, 1000); });
    stage();
    ScopedEnvironment handheld("VISTREL_HANDHELD", "delay=1500");
    MemoryLog log;
    const auto result = capture::runLoader(log);
    const int paintsDuringRun = counts.paints;
    const int waitCursorPaints = counts.waitCursorPaints;
    during.join();

    // What the run left in the queue now reaches the window: no input among it.
    TestWindow::deliverQueued();

    EXPECT_EQ(result, capture::LoaderRunResult::Finished);
    EXPECT_GE(paintsDuringRun, 5);
    EXPECT_EQ(waitCursorPaints, paintsDuringRun);
    EXPECT_EQ(counts.postedInput, 0);
    EXPECT_EQ(counts.realInput, 0);
}

}  // namespace

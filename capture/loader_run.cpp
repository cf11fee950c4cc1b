#include "capture/loader_run.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/win/handle.h"

namespace capture {

namespace {

constexpr DWORD kPipeSecurityAttributesSize = 12;
constexpr DWORD kStartupInfoSize = 68;
constexpr DWORD kStartupFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;  // 0x101
constexpr DWORD kReadSize = 4095;  // one less than the buffer: a zero byte always follows the data
constexpr ULONGLONG kPollIntervalMs = 20;  // a pipe cannot be waited on
constexpr UINT kMaxPaintsPerTurn = 64;  // a window that never validates must not hold us
constexpr UINT kTimedOutExitCode = 1;

static_assert(sizeof(SECURITY_ATTRIBUTES) == kPipeSecurityAttributesSize);
static_assert(sizeof(STARTUPINFOA) == kStartupInfoSize);

// Shows the wait cursor for the length of the run, and puts the old one back afterwards.
class WaitCursor {
public:
    WaitCursor() : wait_(LoadCursorA(nullptr, IDC_WAIT)), previous_(SetCursor(wait_)) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    // Handling a mouse message may set another cursor (WM_SETCURSOR); take it back.
    void keep() const { SetCursor(wait_); }

private:
    HCURSOR wait_;
    HCURSOR previous_;
};

// One turn of the busy thread's message handling: keyboard and mouse input is removed and
// dropped, windows that need it are painted, sent messages are handled by PeekMessage
// itself; everything else stays queued for the event loop.
void holdInputKeepPainting(const WaitCursor& cursor)
{
    static constexpr struct { UINT first, last; } kInput[] = {
        {WM_KEYFIRST, WM_KEYLAST},
        {WM_MOUSEFIRST, WM_MOUSELAST},
        {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
    };
    MSG msg;
    for (const auto& range : kInput)
        while (PeekMessageA(&msg, nullptr, range.first, range.last, PM_REMOVE)) {
        }
    cursor.keep();
    for (UINT i = 0; i < kMaxPaintsPerTurn && PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        DispatchMessageA(&msg);
}

enum class PipeState { Data, Empty, Broken };

PipeState peek(HANDLE readEnd)
{
    DWORD available = 0;
    if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr))
        return PipeState::Broken;
    return available > 0 ? PipeState::Data : PipeState::Empty;
}

}  // namespace

LoaderRunResult runLoader(LoaderLog& log, std::chrono::milliseconds bound, const char* commandLine)
{
    SECURITY_ATTRIBUTES security{};
    security.nLength = kPipeSecurityAttributesSize;
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = TRUE;
    fw::UniqueHandle readEnd;
    fw::UniqueHandle writeEnd;
    {
        HANDLE r = nullptr, w = nullptr;
        if (!CreatePipe(&r, &w, &security, 0))
            return LoaderRunResult::PipeFailed;
        readEnd.reset(r);
        writeEnd.reset(w);
    }

    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    startup.cb = kStartupInfoSize;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    startup.wShowWindow = SW_HIDE;
    startup.dwFlags = kStartupFlags;

    std::vector<char> command(commandLine, commandLine + std::strlen(commandLine) + 1);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started))
        return LoaderRunResult::ProcessFailed;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(bound.count());
    fw::UniqueHandle process(started.hProcess);
    fw::UniqueHandle thread(started.hThread);
    // Only the loader (and whatever inherits from it) may hold the write end now, so the
    // pipe breaks once it is gone.
    writeEnd.reset();

    char buffer[kReadSize + 1] = {};
    WaitCursor cursor;
    bool loaderRunning = true;
    for (;;) {
        holdInputKeepPainting(cursor);

        const PipeState state = peek(readEnd.get());
        if (state == PipeState::Broken)
            return LoaderRunResult::Finished;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            // Ends the loader; a process it left behind that holds the pipe is not ours to end,
            // but the pipe's read end closes here all the same.
            TerminateProcess(process.get(), kTimedOutExitCode);
            WaitForSingleObject(process.get(), 5000);
            return LoaderRunResult::TimedOut;
        }
        if (state == PipeState::Data) {
            DWORD read = 0;
            if (!ReadFile(readEnd.get(), buffer, kReadSize, &read, nullptr))
                return LoaderRunResult::Finished;
            log.append(std::string(buffer, read));
            continue;
        }

        const DWORD wait = static_cast<DWORD>(std::min(deadline - now, kPollIntervalMs));
        const HANDLE handles[] = {process.get()};
        const DWORD woke = MsgWaitForMultipleObjects(loaderRunning ? 1 : 0, handles, FALSE, wait, QS_ALLINPUT);
        if (loaderRunning && woke == WAIT_OBJECT_0)
            loaderRunning = false;  // signalled for good; wait on the pipe alone from now on
    }
}

}  // namespace capture

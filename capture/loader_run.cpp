#include "capture/loader_run.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "capture/loader_process.h"
#include "framework/win/handle.h"

namespace capture {

namespace {

constexpr DWORD kPipeSecurityAttributesSize = 12;
constexpr DWORD kReadSize = 4095;  // one less than the buffer: a zero byte always follows the data
constexpr ULONGLONG kPollIntervalMs = 20;  // a pipe cannot be waited on
constexpr UINT kMaxPaintsPerTurn = 64;  // a window that never validates must not hold us
// How long a process the loader left behind may hold its output once the loader has ended.
constexpr ULONGLONG kHelperGraceMs = 500;

static_assert(sizeof(SECURITY_ATTRIBUTES) == kPipeSecurityAttributesSize);

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

enum class PipeState { Open, Broken };

// Reads what the pipe holds into the log, one entry per read, without waiting for more.
class PipeReader {
public:
    PipeReader(HANDLE readEnd, LoaderLog& log) : readEnd_(readEnd), log_(log) {}

    PipeState readAvailable()
    {
        for (;;) {
            DWORD available = 0;
            if (!PeekNamedPipe(readEnd_, nullptr, 0, nullptr, &available, nullptr))
                return PipeState::Broken;
            if (available == 0)
                return PipeState::Open;
            DWORD read = 0;
            if (!ReadFile(readEnd_, buffer_, kReadSize, &read, nullptr))
                return PipeState::Broken;
            log_.append(std::string(buffer_, read));
        }
    }

private:
    HANDLE readEnd_;
    LoaderLog& log_;
    char buffer_[kReadSize + 1] = {};
};

// How the thread that runs the loader waits between turns.
class RunWait {
public:
    virtual ~RunWait() = default;
    // Called at every turn; true when the run is to end at once.
    virtual bool cancelled() = 0;
    // Waits for at most the time, or until the loader (when given) ends.
    virtual void wait(HANDLE loader, DWORD milliseconds) = 0;
};

// The window's thread: it paints, drops input and handles sent messages meanwhile.
class WindowThreadWait : public RunWait {
public:
    bool cancelled() override
    {
        holdInputKeepPainting(cursor_);
        return false;
    }
    void wait(HANDLE loader, DWORD milliseconds) override
    {
        MsgWaitForMultipleObjects(loader ? 1 : 0, &loader, FALSE, milliseconds, QS_ALLINPUT);
    }

private:
    WaitCursor cursor_;
};

// A thread of its own: it waits for the loader or for the cancel event only.
class WorkerThreadWait : public RunWait {
public:
    explicit WorkerThreadWait(HANDLE cancel) : cancel_(cancel) {}
    bool cancelled() override { return WaitForSingleObject(cancel_, 0) == WAIT_OBJECT_0; }
    void wait(HANDLE loader, DWORD milliseconds) override
    {
        const HANDLE handles[] = {cancel_, loader};
        WaitForMultipleObjects(loader ? 2 : 1, handles, FALSE, milliseconds);
    }

private:
    HANDLE cancel_;
};

LoaderRunResult run(LoaderLog& log, std::chrono::milliseconds bound, const char* commandLine, RunWait& waiting)
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
    // Only the write end goes to the loader.
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    LoaderProcess loader(commandLine, writeEnd.get());
    if (!loader.started())
        return LoaderRunResult::ProcessFailed;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(bound.count());
    // Only the loader (and whatever inherits from it) may hold the write end now, so the
    // pipe breaks once they are gone.
    writeEnd.reset();

    PipeReader output(readEnd.get(), log);
    ULONGLONG loaderEndedAt = 0;
    for (;;) {
        if (waiting.cancelled()) {
            loader.endAll();
            return LoaderRunResult::Cancelled;
        }
        const PipeState state = output.readAvailable();
        const ULONGLONG now = GetTickCount64();
        if (!loaderEndedAt && loader.ended())
            loaderEndedAt = now;
        if (loaderEndedAt && (state == PipeState::Broken || now - loaderEndedAt >= kHelperGraceMs)) {
            // Over: the loader has ended and its output is drained, or a process it left
            // holds the pipe past the grace period and ends with the job.
            loader.endAll();
            output.readAvailable();
            return LoaderRunResult::Finished;
        }
        if (now >= deadline) {
            loader.endAll();
            return LoaderRunResult::TimedOut;
        }
        waiting.wait(loaderEndedAt ? nullptr : loader.handle(),
                     static_cast<DWORD>(std::min(deadline - now, kPollIntervalMs)));
    }
}

}  // namespace

LoaderRunResult runLoader(LoaderLog& log, std::chrono::milliseconds bound, const char* commandLine)
{
    WindowThreadWait waiting;
    return run(log, bound, commandLine, waiting);
}

RunCancel::RunCancel() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

void RunCancel::cancel() const
{
    SetEvent(event_.get());
}

LoaderRunResult runLoaderInBackground(LoaderLog& log, const RunCancel& cancel, std::chrono::milliseconds bound,
                                      const char* commandLine)
{
    WorkerThreadWait waiting(cancel.event());
    return run(log, bound, commandLine, waiting);
}

}  // namespace capture

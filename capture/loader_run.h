// The loader run: starts the staged loader hidden, with its output going into a pipe, and
// reads that output into the hidden log until the loader ends, or until the bound passes.
#pragma once

#include <chrono>
#include <string>

#include "capture/staging_paths.h"
#include "framework/win/handle.h"

namespace capture {

// Receives the loader's standard output and error, one entry per pipe read.
class LoaderLog {
public:
    virtual ~LoaderLog() = default;
    virtual void append(const std::string& text) = 0;
};

enum class LoaderRunResult {
    Finished,       // the loader ended and its pipe broke
    TimedOut,       // the bound passed: the loader was ended and every handle closed
    PipeFailed,     // the pipe could not be made; nothing was started
    ProcessFailed,  // the loader could not be started
    Cancelled,      // ended early, from another thread: the loader and what it started were ended
};

// How long a capture waits for the loader, from its start.
inline constexpr std::chrono::milliseconds kLoaderRunBound{30000};

// Runs the command line to its end on the calling (UI) thread. Meanwhile the thread's
// windows go on painting under the wait cursor, and the keyboard and mouse input that
// reaches them is thrown away, so nothing typed or clicked meanwhile is acted on later.
LoaderRunResult runLoader(LoaderLog& log, std::chrono::milliseconds bound = kLoaderRunBound,
                          const char* commandLine = kLoaderCommandLine);

// Ends a run in the background from another thread.
class RunCancel {
public:
    RunCancel();
    void cancel() const;
    HANDLE event() const { return event_.get(); }

private:
    fw::UniqueHandle event_;
};

// The same run on a thread of its own, which touches no window: the log is told from that
// thread, and cancel() from any other ends the loader and everything it started at once.
LoaderRunResult runLoaderInBackground(LoaderLog& log, const RunCancel& cancel,
                                      std::chrono::milliseconds bound = kLoaderRunBound,
                                      const char* commandLine = kLoaderCommandLine);

}  // namespace capture

// The loader run: starts the staged loader hidden, with its output going into a pipe, and
// reads that output into the hidden log until the loader ends, or until the bound passes.
#pragma once

#include <string>

#include "capture/staging_paths.h"

namespace capture {

// Receives the loader's standard output and error, one entry per pipe read.
class LoaderLog {
public:
    virtual ~LoaderLog() = default;
    virtual void append(const std::string& text) = 0;
};

enum class LoaderRunResult {
    Finished,  // the loader ended and its pipe broke
    Failed,    // the pipe or the process could not be made; the message box has been shown
    TimedOut,  // the bound passed: the loader was ended and every handle closed
};

// How long a capture waits for the loader, from its start, in milliseconds. (A count, not
// std::chrono: <chrono> does not compile with the GBK execution character set.)
inline constexpr unsigned long kLoaderRunBoundMs = 30000;

// What the capture shows when the run timed out.
inline constexpr char kLoaderTimedOutMessage[] = "抓图超时，手持设备没有响应！";

// Runs the command line to its end on the calling (UI) thread. Meanwhile the thread's
// windows go on painting under the wait cursor, and the keyboard and mouse input that
// reaches them is thrown away, so nothing typed or clicked meanwhile is acted on later.
LoaderRunResult runLoader(LoaderLog& log, unsigned long boundMs = kLoaderRunBoundMs,
                          const char* commandLine = kLoaderCommandLine);

}  // namespace capture

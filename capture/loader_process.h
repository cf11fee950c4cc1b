// The loader as a process: started hidden, suspended until it is in a job object, with no
// standard input, its output and errors going to one handle, the only one it inherits. Ending
// it ends everything it started as well.
#pragma once

#include <windows.h>

#include "framework/win/handle.h"

namespace capture {

class LoaderProcess {
public:
    // Starts the command line; started() tells whether Windows could.
    LoaderProcess(const char* commandLine, HANDLE output);
    // Ends whatever of it is still running.
    ~LoaderProcess() { endAll(); }
    LoaderProcess(const LoaderProcess&) = delete;
    LoaderProcess& operator=(const LoaderProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    bool ended() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
    HANDLE handle() const { return process_.get(); }

    // Ends the loader and every process it started.
    void endAll();

private:
    fw::UniqueHandle job_;
    fw::UniqueHandle process_;
};

}  // namespace capture

// A Vistrel.exe started from outside, as a user starts it, and closed through its window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/win/handle.h"

namespace e2e {

struct LaunchOptions {
    // VISTREL_HANDHELD for the stand-in loader, which inherits Vistrel's environment;
    // nothing means the variable is removed.
    std::optional<std::string> handheld = {};
    // The process's current directory, where the folder list starts.
    std::string currentDirectory = "C:\\";
    // Another copy of Vistrel.exe to start; empty: the one built.
    std::string program = {};
};

class VistrelProcess {
public:
    // Starts the program and waits until its main window is shown; throws when it is not.
    VistrelProcess(const std::string& exePath, const LaunchOptions& options);
    // Closes the window when the test has not; ends the process when it does not go.
    ~VistrelProcess();
    VistrelProcess(const VistrelProcess&) = delete;
    VistrelProcess& operator=(const VistrelProcess&) = delete;

    DWORD id() const { return id_; }
    HWND mainWindow() const { return mainWindow_; }

    // Sends WM_CLOSE to the main window and answers whether the process ended in time.
    bool close(DWORD timeoutMs = 10000);
    bool running() const;

private:
    fw::UniqueHandle process_;
    DWORD id_ = 0;
    HWND mainWindow_ = nullptr;
};

// The environment block of this process with VISTREL_HANDHELD replaced (or removed).
std::string environmentWithHandheld(const std::optional<std::string>& handheld);

}  // namespace e2e

// Vistrel's main window seen from outside: its controls, found by their ids, and what a
// user does with them.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class MainWindow {
public:
    // Finds the controls; throws when one is missing.
    explicit MainWindow(HWND window);

    HWND window() const { return window_; }
    HWND buttonSnap() const { return buttonSnap_; }
    HWND buttonDesktop() const { return buttonDesktop_; }
    HWND editSnapName() const { return editSnapName_; }
    HWND labelPath() const { return labelPath_; }
    HWND label2() const { return label2_; }

    std::string caption() const;
    std::string prefix() const;
    std::string folderLabel() const;
    std::string status() const;  // Label2
    bool captureEnabled() const { return IsWindowEnabled(buttonSnap_) != FALSE; }

    // A click on the button as the button itself reports it (BM_CLICK, posted).
    void click(HWND button) const;
    // Replaces the prefix by typing: selects all of it, then one WM_CHAR per character,
    // so the edit reports each keystroke as a user's would be.
    void typePrefix(const std::string& text) const;

    // Answers once the window's thread has handled everything sent before; false when it
    // does not answer in time.
    bool settle(DWORD timeoutMs = 10000) const;

private:
    HWND window_;
    HWND buttonSnap_;
    HWND buttonDesktop_;
    HWND editSnapName_;
    HWND labelPath_;
    HWND label2_;
};

}  // namespace e2e

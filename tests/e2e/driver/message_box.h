// The message and error boxes Vistrel shows, read from outside and answered with OK.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

struct BoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;  // the program's bytes, code page 936
    bool stopIcon = false;
};

// The box the process shows now, if any.
std::optional<BoxSeen> currentBox(DWORD processId);

// Waits for the process to show a box.
std::optional<BoxSeen> waitForBox(DWORD processId, DWORD timeoutMs);

// Presses the box's OK button and waits until the box is gone (destroyed, not only hidden,
// so that the code that showed it has gone on). Answers whether it went.
bool pressOk(const BoxSeen& box, DWORD timeoutMs = 10000);

}  // namespace e2e

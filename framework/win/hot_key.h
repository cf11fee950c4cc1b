// A key combination that reaches the window from whatever program is in front
// (RegisterHotKey), for as long as the object lives.
#pragma once

#include <windows.h>

namespace fw {

class HotKey {
public:
    // WM_HOTKEY with the id comes to the window when the combination is pressed; registered()
    // is false when another program holds the combination.
    HotKey(HWND window, int id, UINT modifiers, UINT key);
    bool registered() const { return registered_; }

    ~HotKey();
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;

private:
    HWND window_;
    int id_;
    bool registered_;
};

}  // namespace fw

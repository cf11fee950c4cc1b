// A key combination that reaches the window from whatever program is in front
// (RegisterHotKey), for as long as the object lives.
#pragma once

#include <windows.h>

namespace fw {

class HotKey {
public:
    // WM_HOTKEY with the id comes to the window when the combination is pressed; registered()
    // is false when another program holds the combination.
    HotKey(HWND window, int id, UINT modifiers, UINT key)
        : window_(window), id_(id), registered_(RegisterHotKey(window, id, modifiers, key) != FALSE) {}
    ~HotKey()
    {
        if (registered_)
            UnregisterHotKey(window_, id_);
    }
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;

    bool registered() const { return registered_; }

private:
    HWND window_;
    int id_;
    bool registered_;
};

}  // namespace fw

// Input as the mouse and keyboard give it (SendInput): it goes through the system's input
// queue to whatever window is under the pointer or holds the focus.
#pragma once

#include <windows.h>

namespace e2e {

// A left click at the middle of the window.
void clickWithMouse(HWND window);

// One press and release of a key.
void pressKey(WORD virtualKey);

// One press of a key while a modifier (VK_CONTROL, say) is held down.
void pressWith(WORD modifier, WORD virtualKey);

// Typed letters and digits, as key presses.
void typeKeys(const char* text);

}  // namespace e2e

// Finding another process's windows by class, and reading their texts.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

std::string className(HWND window);

// The visible top-level window of that process and class; null when there is none.
HWND findTopLevelWindow(DWORD processId, const char* windowClass);

// A control's text by WM_GETTEXT, which, unlike GetWindowText, reaches other processes'
// controls; the bytes are the program's own (code page 936).
std::string controlText(HWND control);

// The child's rectangle in its parent's client area.
RECT rectInParent(HWND child);

}  // namespace e2e

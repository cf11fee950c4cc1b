// A picture of a window as it stands on the screen, frame and caption included.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Copies the window's screen area into a 24-bit Windows bitmap file; answers whether the
// file was written.
bool saveWindowPicture(HWND window, const std::string& bmpPath);

}  // namespace e2e

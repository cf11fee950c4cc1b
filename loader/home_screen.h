// Draws the simulated handheld's home screen: status bar with the time, the date, a grid of
// application icons with labels, and a banner that says plainly the picture is simulated.
#pragma once

#include <windows.h>

#include "loader/screen_image.h"

namespace loader {

ScreenImage drawHomeScreen(int width, int height, const SYSTEMTIME& now);

}  // namespace loader

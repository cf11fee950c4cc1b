// Dots per inch of a window, and sizes designed at 96 dpi scaled to them.
#pragma once

#include <windows.h>

#include "framework/win/bounds.h"

namespace fw {

inline constexpr int kDesignDpi = 96;

class Dpi {
public:
    constexpr explicit Dpi(int dotsPerInch = kDesignDpi) : value_(dotsPerInch) {}
    int value() const { return value_; }
    // A designed length at this dpi, rounded half away from zero (as MulDiv does).
    int scale(int designed) const { return MulDiv(designed, value_, kDesignDpi); }
    Bounds scale(const Bounds& designed) const
    {
        return {scale(designed.left), scale(designed.top), scale(designed.width), scale(designed.height)};
    }
    bool operator==(const Dpi& other) const { return value_ == other.value_; }

private:
    int value_;
};

// The dpi Windows gives the window (its monitor's, for a program aware of each monitor's
// dpi); the system's on Windows versions that know no dpi per window.
Dpi dpiOf(HWND window);

// The dpi of the primary display, for a window not made yet.
Dpi systemDpi();

// The outer rectangle of a window with that style whose client area has the size, at the dpi.
RECT outerRectFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, Dpi dpi);

}  // namespace fw

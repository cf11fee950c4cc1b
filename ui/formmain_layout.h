// Where everything stands in the main window, in pixels of its client area.
#pragma once

#include "framework/win/control.h"

namespace ui::layout {

inline constexpr int kClientWidth = 825;
inline constexpr int kClientHeight = 503;
inline constexpr int kDesignedLeft = 180;
inline constexpr int kDesignedTop = 47;

inline constexpr fw::Bounds kLabel1{16, 16, 138, 13};
inline constexpr fw::Bounds kEditSnapName{24, 40, 121, 21};
inline constexpr fw::Bounds kLabelPath{8, 80, 124, 13};
inline constexpr fw::Bounds kButtonDesktop{24, 104, 113, 25};
inline constexpr fw::Bounds kButtonSnap{48, 144, 75, 25};
inline constexpr fw::Bounds kMemo1{16, 168, 17, 17};
inline constexpr fw::Bounds kDriveComboBox1{176, 16, 145, 19};
inline constexpr fw::Bounds kDirectoryListBox1{176, 40, 145, 137};
inline constexpr fw::Bounds kImage1{336, 16, 481, 481};
inline constexpr fw::Bounds kLabel2{8, 464, 321, 13};

}  // namespace ui::layout

// Where everything stands in the main window: pixels of its client area at 96 dpi, scaled
// with the window's dpi. Labels take their size from their text.
#pragma once

#include "framework/win/window.h"
#include "ui/formmain_ids.h"

namespace ui::layout {

inline constexpr int kClientWidth = 825;
inline constexpr int kClientHeight = 503;
inline constexpr int kDesignedLeft = 180;
inline constexpr int kDesignedTop = 47;
inline constexpr char kFontFace[] = "MS Sans Serif";
inline constexpr int kFontHeight = -11;

inline constexpr fw::Placement kLabel1{ids::kLabel1, {16, 16, 138, 13}};
inline constexpr fw::Placement kEditSnapName{ids::kEditSnapName, {24, 40, 121, 21}};
inline constexpr fw::Placement kLabelPath{ids::kLabelPath, {8, 80, 124, 13}};
inline constexpr fw::Placement kButtonDesktop{ids::kButtonDesktop, {24, 104, 113, 25}};
inline constexpr fw::Placement kButtonSnap{ids::kButtonSnap, {48, 144, 75, 25}};
inline constexpr fw::Placement kMemo1{ids::kMemo1, {16, 168, 17, 17}};
inline constexpr fw::Placement kDriveComboBox1{ids::kDriveComboBox1, {176, 16, 145, 19}};
inline constexpr fw::Placement kDirectoryListBox1{ids::kDirectoryListBox1, {176, 40, 145, 137}};
inline constexpr fw::Placement kImage1{ids::kImage1, {336, 16, 481, 481}};
inline constexpr fw::Placement kLabel2{ids::kLabel2, {8, 464, 321, 13}};

}  // namespace ui::layout

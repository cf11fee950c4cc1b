// Where everything stands in the main window: each control's id, and its rectangle in the
// client area at 96 dpi, scaled with the window's dpi. Labels take their size from their
// text. The ids are also how a control is found from outside the program.
#pragma once

#include "framework/win/window.h"

namespace ui::layout {

inline constexpr int kClientWidth = 825;
inline constexpr int kClientHeight = 503;
inline constexpr int kDesignedLeft = 180;
inline constexpr int kDesignedTop = 47;
inline constexpr char kFontFace[] = "MS Sans Serif";
inline constexpr int kFontHeight = -11;

inline constexpr fw::Placement kButtonSnap{100, {48, 144, 75, 25}};
inline constexpr fw::Placement kEditSnapName{101, {24, 40, 121, 21}};
inline constexpr fw::Placement kDriveComboBox1{102, {176, 16, 145, 19}};
inline constexpr fw::Placement kDirectoryListBox1{103, {176, 40, 145, 137}};
inline constexpr fw::Placement kButtonDesktop{104, {24, 104, 113, 25}};
inline constexpr fw::Placement kMemo1{105, {16, 168, 17, 17}};
inline constexpr fw::Placement kLabel1{106, {16, 16, 138, 13}};
inline constexpr fw::Placement kLabelPath{107, {8, 80, 124, 13}};
inline constexpr fw::Placement kLabel2{108, {8, 464, 321, 13}};
inline constexpr fw::Placement kImage1{109, {336, 16, 481, 481}};
// Added since: in the free part of the left column, after the others in tab order.
namespace added {
inline constexpr fw::Placement kCheckBoxClipboard{110, {16, 200, 300, 17}};
inline constexpr fw::Placement kCheckBoxPng{111, {16, 224, 300, 17}};
inline constexpr fw::Placement kButtonOpenFolder{112, {24, 256, 113, 25}};
}  // namespace added

}  // namespace ui::layout

// The main window's control ids: the dialog navigation uses them, and so does anything that
// finds a control from outside the program.
#pragma once

namespace ui::ids {

inline constexpr int kButtonSnap = 100;
inline constexpr int kEditSnapName = 101;
inline constexpr int kDriveComboBox1 = 102;
inline constexpr int kDirectoryListBox1 = 103;
inline constexpr int kButtonDesktop = 104;
inline constexpr int kMemo1 = 105;
inline constexpr int kLabel1 = 106;
inline constexpr int kLabelPath = 107;
inline constexpr int kLabel2 = 108;
inline constexpr int kImage1 = 109;

}  // namespace ui::ids

// The main window's own texts (code page 936 in the program).
#pragma once

namespace ui::texts {

inline constexpr char kCaption[] = "BlackBerry屏幕抓图工具-TOVEKA专用版";
inline constexpr char kLabel1[] = "设置抓取图片文件名          ";
inline constexpr char kDefaultPrefix[] = "hhshot";
inline constexpr char kButtonDesktop[] = "抓图存到桌面";
inline constexpr char kButtonSnap[] = "立即抓图";
inline constexpr char kCredit[] = "Vistrel 1.2：抓图后，这里显示图片的保存位置";
inline constexpr char kNoDesktopFolder[] = "无法取得桌面文件夹的位置！";

}  // namespace ui::texts

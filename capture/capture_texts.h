// What the capture command says to the user (code page 936 in the program).
#pragma once

namespace capture::texts {

inline constexpr char kCannotCreateStagingFolder[] = "Cannot create c:\\temp directory.";
inline constexpr char kCannotDeleteStaleBitmap[] = "Cannot delete file c:\\temp\\tmpsnap.bmp";
inline constexpr char kNoBitmap[] = "不能抓图，也许 usb 线没连接好！";

}  // namespace capture::texts

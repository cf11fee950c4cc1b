// Where each capture stages the loader tool and finds the bitmap it leaves. Fixed and the
// same for every user.
#pragma once

namespace capture {

inline constexpr char kStagingFolder[] = "c:\\temp";
inline constexpr char kStagingFolderToCreate[] = "C:\\temp";
inline constexpr char kStagedLoaderName[] = "JavaLoader.exe";
inline constexpr char kCaptureBitmapName[] = "tmpsnap.bmp";
inline constexpr char kStagedLoader[] = "c:\\temp\\JavaLoader.exe";
inline constexpr char kCaptureBitmap[] = "c:\\temp\\tmpsnap.bmp";
inline constexpr char kLoaderCommandLine[] = "c:\\temp\\JavaLoader.exe -u screenshot c:\\temp\\tmpsnap.bmp";

}  // namespace capture

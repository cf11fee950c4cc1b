#include "framework/win/drives.h"

namespace fw {
namespace {

std::string rootOf(char letter)
{
    return std::string(1, letter) + ":\\";
}

}  // namespace

UINT WindowsDrives::type(char letter) const
{
    return GetDriveTypeA(rootOf(letter).c_str());
}

std::optional<std::string> WindowsDrives::label(char letter) const
{
    char volume[MAX_PATH + 1] = {};
    // No error box from Windows for an empty drive (this thread's mode only).
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
    const BOOL answered =
        GetVolumeInformationA(rootOf(letter).c_str(), volume, sizeof volume, nullptr, nullptr, nullptr, nullptr, 0);
    SetThreadErrorMode(oldMode, nullptr);
    if (!answered || !volume[0])
        return std::nullopt;
    return std::string(volume);
}

bool answersAtOnce(UINT driveType)
{
    return driveType == DRIVE_FIXED || driveType == DRIVE_RAMDISK;
}

}  // namespace fw

// What Windows says of the machine's drives. A drive's label may take seconds to come (a
// network drive whose server is gone, a disc spinning up); its type never waits on the drive.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace fw {

class Drives {
public:
    virtual DWORD letters() const = 0;  // bit 0: A:, bit 1: B:, ...
    virtual UINT type(char letter) const = 0;  // DRIVE_FIXED, DRIVE_REMOTE, ...
    // The volume label; none when the drive has none or does not answer.
    virtual std::optional<std::string> label(char letter) const = 0;

protected:
    ~Drives() = default;
};

// The running Windows' drives.
class WindowsDrives : public Drives {
public:
    DWORD letters() const override { return GetLogicalDrives(); }
    UINT type(char letter) const override;
    std::optional<std::string> label(char letter) const override;
};

// True for the drives whose label can be asked for while the window is being made: fixed
// disks and RAM disks answer at once.
bool answersAtOnce(UINT driveType);

}  // namespace fw

// The drive selector: a drop-down list of the machine's drives. Choosing a drive moves
// the bound folder list to that drive's current folder.
#pragma once

#include <string>
#include <vector>

#include "framework/win/window.h"

namespace fw {

class DirectoryListBox;

class DriveComboBox : public Window {
public:
    // The placement's height is the closed box's; the drop-down list gets room below it.
    void create(HWND parent, const Placement& placement);
    void bind(DirectoryListBox& list);

    // Shows the drive without moving the folder list.
    void showDrive(char letter);
    char drive() const;

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Bounds windowBounds(const Bounds& scaled, Dpi dpi) const override;

private:
    void moveListToChosenDrive();

    std::vector<char> letters_;
    DirectoryListBox* list_ = nullptr;
};

}  // namespace fw

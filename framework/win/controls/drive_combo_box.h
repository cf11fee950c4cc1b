// The drive selector: a drop-down list of the machine's drives. Choosing a drive moves
// the bound folder list to that drive's current folder.
#pragma once

#include <string>
#include <vector>

#include "framework/win/control.h"

namespace fw {

class DirectoryListBox;

class DriveComboBox : public Control {
public:
    void create(HWND parent, const Bounds& bounds, HFONT font);
    void bind(DirectoryListBox& list);

    // Shows the drive without moving the folder list.
    void showDrive(char letter);
    char drive() const;

    void handleCommand(WORD notification) override;

private:
    std::vector<char> letters_;
    DirectoryListBox* list_ = nullptr;
};

}  // namespace fw

// The drive selector: a drop-down list of the machine's drives. Choosing a drive moves
// the bound folder list to that drive's current folder. All letters are listed at once, with
// the labels of fixed disks; the labels of other drives (network, removable, optical), which
// may take seconds or never come, are asked for on a thread of their own and filled in as
// they arrive, so that no drive ever holds the window.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/win/drives.h"

#include "framework/win/window.h"

namespace fw {

class DirectoryListBox;

class DriveComboBox : public Window {
public:
    // The placement's height is the closed box's; the drop-down list gets room below it.
    // The drives are asked of `drives`, which the label thread shares.
    void create(HWND parent, const Placement& placement, std::shared_ptr<const Drives> drives);
    ~DriveComboBox() override;
    void bind(DirectoryListBox& list);

    // Shows the drive without moving the folder list.
    void showDrive(char letter);
    char drive() const;

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Bounds windowBounds(const Bounds& scaled, Dpi dpi) const override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct LateLabels;
    void moveListToChosenDrive();
    void showLabel(std::size_t index, const std::optional<std::string>& label);
    void askLateLabels(std::shared_ptr<const Drives> drives, std::vector<char> letters);
    void takeLateLabels();

    std::vector<char> letters_;
    std::shared_ptr<LateLabels> lateLabels_;
    DirectoryListBox* list_ = nullptr;
};

}  // namespace fw

// The folder list: the current drive's folders from the root down to the current folder,
// followed by the current folder's subfolders. Double-click or Enter enters a folder;
// entering makes it the process's current directory and fires the change event once
// when the folder differs from the one shown (without regard to case). A label may be
// bound to show the folder, shortened to fit the list's width.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/win/window.h"

namespace fw {

class Label;

class DirectoryListBox : public Window {
public:
    static constexpr int kItemHeight = 16;  // at 96 dpi

    void create(HWND parent, const Placement& placement);
    std::function<void()> onChange;
    // Told the folder's drive letter whenever the shown folder changes (the drive selector).
    std::function<void(char)> onDriveShown;

    // The folder as Windows reports it: no backslash at the end except at a drive root.
    const std::string& directory() const { return directory_; }
    // Enters the folder. Raises the input/output error when it cannot be entered; the
    // list then keeps its folder.
    void setDirectory(const std::string& path);
    void setPathLabel(Label* label);

    void applyPlacement(Dpi dpi, HFONT font) override;
    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Item {
        std::string path;
        std::string name;
        int level;
    };
    void rebuild();
    void updatePathLabel();
    void enterSelected();
    void drawItem(const DRAWITEMSTRUCT& item) const;

    std::string directory_;
    std::vector<Item> items_;
    Dpi dpi_;
    int width_ = 0;
    Label* pathLabel_ = nullptr;
};

}  // namespace fw

#include "framework/win/controls/drive_combo_box.h"

#include <cctype>

#include "framework/win/controls/directory_list_box.h"

namespace fw {
namespace {

constexpr int kListRoom = 200;  // the drop-down list's height, at 96 dpi

std::string driveCaption(char letter)
{
    const std::string root = std::string(1, letter) + ":\\";
    std::string caption = std::string(1, static_cast<char>(std::tolower(letter))) + ":";
    char volume[MAX_PATH + 1] = {};
    // No error box from Windows for an empty drive.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (GetVolumeInformationA(root.c_str(), volume, sizeof volume, nullptr, nullptr, nullptr, nullptr, 0) &&
        volume[0])
        caption += std::string(" [") + volume + "]";
    SetErrorMode(oldMode);
    return caption;
}

// The current folder Windows keeps for a drive ("X:" resolved), or its root.
std::string driveCurrentFolder(char letter)
{
    const std::string drive = std::string(1, letter) + ":";
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(drive.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : drive + "\\";
}

}  // namespace

void DriveComboBox::create(HWND parent, const Placement& placement)
{
    createControl("COMBOBOX", parent, placement, "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0);
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i)))
            continue;
        const char letter = static_cast<char>('A' + i);
        letters_.push_back(letter);
        SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(driveCaption(letter).c_str()));
    }
}

void DriveComboBox::bind(DirectoryListBox& list)
{
    list_ = &list;
    list.onDriveShown = [this](char letter) { showDrive(letter); };
    if (!list.directory().empty())
        showDrive(list.directory()[0]);
}

void DriveComboBox::showDrive(char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (std::size_t i = 0; i < letters_.size(); ++i)
        if (letters_[i] == upper)
            SendMessageA(hwnd(), CB_SETCURSEL, i, 0);
}

char DriveComboBox::drive() const
{
    const LRESULT selected = SendMessageA(hwnd(), CB_GETCURSEL, 0, 0);
    return selected >= 0 && static_cast<std::size_t>(selected) < letters_.size()
               ? letters_[static_cast<std::size_t>(selected)]
               : '\0';
}

Bounds DriveComboBox::windowBounds(const Bounds& scaled, Dpi dpi) const
{
    return {scaled.left, scaled.top, scaled.width, scaled.height + dpi.scale(kListRoom)};
}

std::optional<LRESULT> DriveComboBox::handleReflected(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    return fireOnCommand(message, wParam, CBN_SELCHANGE, [this] { moveListToChosenDrive(); });
}

void DriveComboBox::moveListToChosenDrive()
{
    if (!list_)
        return;
    const char letter = drive();
    const std::string shown = list_->directory();
    try {
        list_->setDirectory(driveCurrentFolder(letter));
    } catch (...) {
        // The list keeps its folder; so does the selector.
        if (!shown.empty())
            showDrive(shown[0]);
        throw;
    }
}

}  // namespace fw

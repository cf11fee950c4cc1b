#include "framework/win/controls/drive_combo_box.h"

#include <cctype>
#include <mutex>
#include <thread>

#include "framework/win/controls/directory_list_box.h"

namespace fw {
namespace {

constexpr int kListRoom = 200;  // the drop-down list's height, at 96 dpi

// Posted to the selector when late labels have arrived.
constexpr UINT kLabelsArrived = WM_APP + 1;

std::string driveCaption(char letter, const std::optional<std::string>& label)
{
    std::string caption = std::string(1, static_cast<char>(std::tolower(letter))) + ":";
    if (label)
        caption += " [" + *label + "]";
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

// What the label thread hands over; shared, so that a thread still waiting on a drive after
// the selector is gone holds nothing of the selector's.
struct DriveComboBox::LateLabels {
    std::mutex lock;
    HWND window = nullptr;  // null once the selector is gone
    std::vector<std::pair<char, std::optional<std::string>>> arrived;
};

void DriveComboBox::create(HWND parent, const Placement& placement, std::shared_ptr<const Drives> drives)
{
    createControl("COMBOBOX", parent, placement, "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0);
    const DWORD present = drives->letters();
    std::vector<char> late;
    for (int i = 0; i < 26; ++i) {
        if (!(present & (1u << i)))
            continue;
        const char letter = static_cast<char>('A' + i);
        letters_.push_back(letter);
        const bool atOnce = answersAtOnce(drives->type(letter));
        const std::string caption = driveCaption(letter, atOnce ? drives->label(letter) : std::nullopt);
        SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
        if (!atOnce)
            late.push_back(letter);
    }
    if (!late.empty())
        askLateLabels(std::move(drives), std::move(late));
}

DriveComboBox::~DriveComboBox()
{
    if (lateLabels_) {
        const std::lock_guard<std::mutex> hold(lateLabels_->lock);
        lateLabels_->window = nullptr;
    }
}

void DriveComboBox::askLateLabels(std::shared_ptr<const Drives> drives, std::vector<char> letters)
{
    lateLabels_ = std::make_shared<LateLabels>();
    lateLabels_->window = hwnd();
    // Never joined: a drive that never answers keeps only this thread waiting.
    std::thread([drives = std::move(drives), letters = std::move(letters), shared = lateLabels_] {
        for (const char letter : letters) {
            std::optional<std::string> label = drives->label(letter);
            const std::lock_guard<std::mutex> hold(shared->lock);
            if (!shared->window)
                return;
            shared->arrived.emplace_back(letter, std::move(label));
            PostMessageA(shared->window, kLabelsArrived, 0, 0);
        }
    }).detach();
}

void DriveComboBox::takeLateLabels()
{
    std::vector<std::pair<char, std::optional<std::string>>> arrived;
    {
        const std::lock_guard<std::mutex> hold(lateLabels_->lock);
        arrived.swap(lateLabels_->arrived);
    }
    for (const auto& [letter, label] : arrived)
        for (std::size_t i = 0; i < letters_.size(); ++i)
            if (letters_[i] == letter)
                showLabel(i, label);
}

void DriveComboBox::showLabel(std::size_t index, const std::optional<std::string>& label)
{
    if (!label)
        return;
    const LRESULT selected = SendMessageA(hwnd(), CB_GETCURSEL, 0, 0);
    const std::string caption = driveCaption(letters_[index], label);
    SendMessageA(hwnd(), CB_DELETESTRING, index, 0);
    SendMessageA(hwnd(), CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(caption.c_str()));
    if (selected >= 0)
        SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

LRESULT DriveComboBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kLabelsArrived && lateLabels_) {
        takeLateLabels();
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
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

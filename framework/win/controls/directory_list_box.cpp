#include "framework/win/controls/directory_list_box.h"

#include <algorithm>

#include "framework/error.h"
#include "framework/text/path_parts.h"
#include "framework/text/path_shortening.h"
#include "framework/win/controls/label.h"
#include "framework/win/file_system.h"
#include "framework/win/font.h"
#include "framework/win/gdi.h"
#include "framework/win/handle.h"

namespace fw {
namespace {

struct FindTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { FindClose(h); }
};
using UniqueFind = UniqueResource<HANDLE, FindTraits>;

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_LESS_THAN;
}

std::string withBackslash(const std::string& folder)
{
    return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

std::vector<std::string> subfolders(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    UniqueFind find(FindFirstFileA((withBackslash(folder) + "*").c_str(), &found));
    if (!find)
        return names;
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find.get(), &found));
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

}  // namespace

void DirectoryListBox::create(HWND parent, const Placement& placement)
{
    dpi_ = dpiOf(parent);  // WM_MEASUREITEM comes while the list is made
    directory_ = currentDirectory();
    createControl("LISTBOX", parent, placement, "",
                  WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT,
                  WS_EX_CLIENTEDGE);
    rebuild();
}

void DirectoryListBox::applyPlacement(Dpi dpi, HFONT font)
{
    dpi_ = dpi;
    Window::applyPlacement(dpi, font);
    SendMessageA(hwnd(), LB_SETITEMHEIGHT, 0, dpi.scale(kItemHeight));
    width_ = dpi.scale(placement().bounds.width);
    updatePathLabel();
}

void DirectoryListBox::setDirectory(const std::string& path)
{
    if (!SetCurrentDirectoryA(path.c_str()))
        throw errors::inOutError(GetLastError());
    const std::string entered = currentDirectory();
    const bool changed = !samePathText(entered, directory_);
    directory_ = entered;
    rebuild();
    if (changed && onChange)
        onChange();
}

void DirectoryListBox::setPathLabel(Label* label)
{
    pathLabel_ = label;
    updatePathLabel();
}

void DirectoryListBox::rebuild()
{
    items_.clear();
    // The root, each folder on the way down, then the current folder's subfolders.
    std::string path;
    int level = 0;
    for (const std::string& name : splitAtBackslashes(directory_, isLeadByte)) {
        if (name.empty())
            continue;
        path = level == 0 ? name + "\\" : withBackslash(path) + name;
        items_.push_back({path, level == 0 ? name + "\\" : name, level});
        ++level;
    }
    const int current = static_cast<int>(items_.size()) - 1;
    for (const std::string& name : subfolders(directory_))
        items_.push_back({withBackslash(directory_) + name, name, level});

    SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd(), LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < items_.size(); ++i)
        SendMessageA(hwnd(), LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    SendMessageA(hwnd(), LB_SETCURSEL, current, 0);
    SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);

    updatePathLabel();
    if (onDriveShown && !directory_.empty())
        onDriveShown(directory_[0]);
}

void DirectoryListBox::updatePathLabel()
{
    if (!pathLabel_)
        return;
    const HFONT labelFont = pathLabel_->font();
    const auto width = [labelFont](const std::string& text) {
        return static_cast<int>(measureText(labelFont, text).cx);
    };
    pathLabel_->setCaption(shortenPath(directory_, width_, width, isLeadByte));
}

void DirectoryListBox::enterSelected()
{
    const LRESULT selected = SendMessageA(hwnd(), LB_GETCURSEL, 0, 0);
    if (selected < 0 || static_cast<std::size_t>(selected) >= items_.size())
        return;
    setDirectory(items_[static_cast<std::size_t>(selected)].path);
}

std::optional<LRESULT> DirectoryListBox::handleReflected(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(dpi_.scale(kItemHeight));
        return TRUE;
    default:
        return fireOnCommand(message, wParam, LBN_DBLCLK, [this] { enterSelected(); });
    }
}

LRESULT DirectoryListBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const std::optional<LRESULT> handled = handleEnterKey(message, wParam, lParam, [this] { enterSelected(); }))
        return *handled;
    return Window::handleMessage(message, wParam, lParam);
}

void DirectoryListBox::drawItem(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= items_.size())
        return;
    const Item& entry = items_[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    // A small folder glyph, indented by depth.
    const int left = item.rcItem.left + dpi_.scale(2 + entry.level * 8);
    const int top = item.rcItem.top + dpi_.scale(3);
    UniqueGdiObject folderBrush(CreateSolidBrush(RGB(0xE8, 0xC0, 0x50)));
    RECT tab{left, top, left + dpi_.scale(5), top + dpi_.scale(2)};
    RECT body{left, top + dpi_.scale(2), left + dpi_.scale(12), top + dpi_.scale(11)};
    FillRect(dc, &tab, static_cast<HBRUSH>(folderBrush.get()));
    FillRect(dc, &body, static_cast<HBRUSH>(folderBrush.get()));
    FrameRect(dc, &body, GetSysColorBrush(COLOR_BTNSHADOW));

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left = left + dpi_.scale(16);
    DrawTextA(dc, entry.name.c_str(), static_cast<int>(entry.name.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item.rcItem);
}

}  // namespace fw

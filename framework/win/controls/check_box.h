// A check box with one event: the user ticked or unticked it.
#pragma once

#include <functional>
#include <string>

#include "framework/win/window.h"

namespace fw {

class CheckBox : public Window {
public:
    void create(HWND parent, const Placement& placement, const std::string& caption);
    bool checked() const { return SendMessageA(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // Sets the tick without firing the event.
    void setChecked(bool checked) { SendMessageA(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }

    std::function<void()> onToggle;

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace fw

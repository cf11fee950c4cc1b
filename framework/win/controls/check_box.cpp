#include "framework/win/controls/check_box.h"

namespace fw {

void CheckBox::create(HWND parent, const Placement& placement, const std::string& caption)
{
    createControl("BUTTON", parent, placement, caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0);
}

std::optional<LRESULT> CheckBox::handleReflected(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    return fireOnCommand(message, wParam, BN_CLICKED, onToggle);
}

}  // namespace fw

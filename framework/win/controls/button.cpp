#include "framework/win/controls/button.h"

namespace fw {

void Button::create(HWND parent, const Placement& placement, const std::string& caption)
{
    createControl("BUTTON", parent, placement, caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0);
}

std::optional<LRESULT> Button::handleReflected(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    return fireOnCommand(message, wParam, BN_CLICKED, onClick);
}

LRESULT Button::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto press = [this] {
        if (enabled())
            SendMessageA(hwnd(), BM_CLICK, 0, 0);
    };
    if (const std::optional<LRESULT> handled = handleEnterKey(message, wParam, lParam, press))
        return *handled;
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace fw

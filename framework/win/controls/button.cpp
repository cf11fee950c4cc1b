#include "framework/win/controls/button.h"

#include <vector>

namespace fw {

void Button::create(HWND parent, const Placement& placement, const std::string& caption)
{
    createControl("BUTTON", parent, placement, caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0);
}

void Button::dropQueuedClicks() const
{
    MSG msg;
    while (PeekMessageA(&msg, hwnd(), BM_CLICK, BM_CLICK, PM_REMOVE)) {
    }
    // The parent's other commands go back into the queue, in their order.
    std::vector<MSG> others;
    const HWND parent = GetParent(hwnd());
    while (PeekMessageA(&msg, parent, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        if (reinterpret_cast<HWND>(msg.lParam) != hwnd() && LOWORD(msg.wParam) != placement().id)
            others.push_back(msg);
    for (const MSG& other : others)
        PostMessageA(other.hwnd, other.message, other.wParam, other.lParam);
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

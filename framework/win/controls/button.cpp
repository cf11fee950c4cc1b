#include "framework/win/controls/button.h"

namespace fw {

void Button::create(HWND parent, const std::string& caption, const Bounds& bounds, HFONT font)
{
    Control::create(parent, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, bounds, font);
}

void Button::handleCommand(WORD notification)
{
    if (notification == BN_CLICKED && onClick)
        onClick();
}

bool Button::handleEnterKey()
{
    if (enabled())
        SendMessageA(hwnd(), BM_CLICK, 0, 0);
    return true;
}

}  // namespace fw

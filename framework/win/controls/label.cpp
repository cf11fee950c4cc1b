#include "framework/win/controls/label.h"

#include "framework/win/font.h"

namespace fw {

void Label::create(HWND parent, const std::string& text, int left, int top, HFONT font)
{
    const SIZE size = measureText(font, text);
    Control::create(parent, "STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                    {left, top, size.cx, size.cy}, font);
}

void Label::setCaption(const std::string& text)
{
    const SIZE size = measureText(font(), text);
    SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    setText(text);
    // A shorter text leaves the old one's pixels on the parent otherwise.
    InvalidateRect(GetParent(hwnd()), nullptr, TRUE);
}

}  // namespace fw

#include "framework/win/controls/label.h"

#include "framework/win/font.h"

namespace fw {

void Label::create(HWND parent, const Placement& placement, const std::string& text)
{
    createControl("STATIC", parent, placement, text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0);
}

Bounds Label::windowBounds(const Bounds& scaled, Dpi /*dpi*/) const
{
    if (!hwnd())
        return {scaled.left, scaled.top, 0, 0};  // measured once it has its text and font
    const SIZE size = measureText(font(), text());
    return {scaled.left, scaled.top, static_cast<int>(size.cx), static_cast<int>(size.cy)};
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

#include "framework/win/control.h"

#include <vector>

namespace fw {
namespace {
constexpr char kControlProperty[] = "VistrelControl";
}

Control::~Control()
{
    if (hwnd_) {
        RemovePropA(hwnd_, kControlProperty);
        DestroyWindow(hwnd_);
    }
}

void Control::create(HWND parent, const char* className, const std::string& text, DWORD style,
                     DWORD exStyle, const Bounds& bounds, HFONT font)
{
    static int nextId = 100;
    hwnd_ = CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD, bounds.left,
                            bounds.top, bounds.width, bounds.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)),
                            GetModuleHandleA(nullptr), nullptr);
    SetPropA(hwnd_, kControlProperty, this);
    if (font)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

Control* Control::fromHandle(HWND hwnd)
{
    return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

std::string Control::text() const
{
    const int length = GetWindowTextLengthA(hwnd_);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(hwnd_, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Control::setText(const std::string& text)
{
    SetWindowTextA(hwnd_, text.c_str());
}

}  // namespace fw

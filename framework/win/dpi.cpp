#include "framework/win/dpi.h"

#include "framework/win/gdi.h"

namespace fw {
namespace {

// Functions of newer Windows versions, looked up so that the program still starts on older
// ones; null where absent.
template <typename Function>
Function user32Function(const char* name)
{
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

Dpi systemDpi()
{
    WindowDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return Dpi(dpi > 0 ? dpi : kDesignDpi);
}

Dpi dpiOf(HWND window)
{
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return Dpi(static_cast<int>(dpi));
    return systemDpi();
}

RECT outerRectFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, Dpi dpi)
{
    static const auto adjustForDpi = user32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT outer{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi.value())))
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    return outer;
}

}  // namespace fw

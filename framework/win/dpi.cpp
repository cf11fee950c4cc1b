#include "framework/win/dpi.h"

#include "framework/win/gdi.h"
#include "framework/win/system_function.h"

namespace fw {
namespace {

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
    static const auto getDpiForWindow = systemFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return Dpi(static_cast<int>(dpi));
    return systemDpi();
}

RECT outerRectFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, Dpi dpi)
{
    static const auto adjustForDpi = systemFunction<AdjustWindowRectExForDpiFn>("user32.dll", "AdjustWindowRectExForDpi");
    RECT outer{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi.value())))
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    return outer;
}

}  // namespace fw

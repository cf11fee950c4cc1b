#include "framework/win/form.h"

#include "framework/win/application.h"
#include "framework/win/control.h"

namespace fw {
namespace {
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;
}  // namespace

Form::Form() : font_("MS Sans Serif", -11) {}

void Form::createForm(const char* className, const std::string& caption, int left, int top,
                      int clientWidth, int clientHeight)
{
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, kFormStyle, FALSE, kFormExStyle);
    createWindow(className, kFormExStyle, caption.c_str(), kFormStyle, left, top,
                 outer.right - outer.left, outer.bottom - outer.top, Application::instance().handle(),
                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

void Form::centreOnScreen()
{
    RECT window;
    GetWindowRect(hwnd(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (Control* control = Control::fromHandle(reinterpret_cast<HWND>(lParam))) {
            control->handleCommand(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (Control* control = Control::fromHandle(item->hwndItem))
            if (control->handleDrawItem(*item))
                return TRUE;
        break;
    }
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SYSCOMMAND:
        // The task-bar window carries the minimised application.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application::instance().mainWindow() == hwnd() &&
            Application::instance().minimize())
            return 0;
        break;
    case WM_CLOSE:
        formClose();
        DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY:
        if (Application::instance().mainWindow() == hwnd())
            PostQuitMessage(0);
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace fw

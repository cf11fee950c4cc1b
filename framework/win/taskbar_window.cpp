#include "framework/win/taskbar_window.h"

#include "framework/win/application.h"

namespace fw {

void TaskbarWindow::minimize()
{
    const HWND main = Application::instance().mainWindow();
    if (main)
        ShowWindow(main, SW_HIDE);
    ShowWindow(hwnd(), SW_MINIMIZE);
}

void TaskbarWindow::showMainWindow()
{
    const HWND main = Application::instance().mainWindow();
    if (main && !IsWindowVisible(main))
        ShowWindow(main, SW_SHOW);
    const HWND front = GetLastActivePopup(hwnd());
    if (front && front != hwnd())
        SetActiveWindow(front);
}

void TaskbarWindow::create(const std::string& title)
{
    createWindow("TApplication", 0, title.c_str(),
                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE,
                 GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                 nullptr);
}

LRESULT TaskbarWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETMINMAXINFO: {
        // No size at all: only its task-bar button is seen.
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {0, 0};
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hwnd())) {
            const HWND front = GetLastActivePopup(hwnd());
            if (front && front != hwnd() && IsWindowVisible(front))
                SetActiveWindow(front);
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            const LRESULT result = Window::handleMessage(message, wParam, lParam);
            showMainWindow();
            return result;
        }
        break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace fw

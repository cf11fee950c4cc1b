#include "framework/win/taskbar_window.h"

namespace fw {

void TaskbarWindow::minimize()
{
    const HWND main = mainWindow_();
    if (main)
        ShowWindow(main, SW_HIDE);
    ShowWindow(hwnd(), SW_MINIMIZE);
}

void TaskbarWindow::showMainWindow()
{
    const HWND main = mainWindow_();
    if (main && !IsWindowVisible(main))
        ShowWindow(main, SW_SHOW);
    const HWND front = GetLastActivePopup(hwnd());
    if (front && front != hwnd())
        SetActiveWindow(front);
}

void TaskbarWindow::create(const std::string& title, std::function<HWND()> mainWindow)
{
    mainWindow_ = std::move(mainWindow);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    createOwn({"TApplication", nullptr}, 0, title,
              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, {x, y, x, y},
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
    case WM_CLOSE:
        // Closing the application is closing its main window, with all that goes with it.
        if (const HWND main = mainWindow_()) {
            SendMessageA(main, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            const LRESULT result = defaultHandling(message, wParam, lParam);
            showMainWindow();
            return result;
        }
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace fw

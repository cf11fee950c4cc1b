/* The smallest windowed Windows program: one window with the main window's client size,
   shown at once. The time until it is visible is what Wine itself needs for a window. */
#include <windows.h>

static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    WNDCLASSA wc = {0};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "MinimalWindow";
    RegisterClassA(&wc);
    RECT outer = {0, 0, 825, 503};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&outer, style, FALSE);
    HWND window = CreateWindowA("MinimalWindow", "minimal", style, 180, 47, outer.right - outer.left,
                                outer.bottom - outer.top, NULL, NULL, instance, NULL);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

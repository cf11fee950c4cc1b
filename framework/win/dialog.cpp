#include "framework/win/dialog.h"

namespace fw {

int Dialog::runModal(HWND owner)
{
    ended_ = false;
    result_ = IDCANCEL;
    const bool ownerEnabled = owner && IsWindowEnabled(owner);
    if (ownerEnabled)
        EnableWindow(owner, FALSE);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    if (const HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE))
        SetFocus(first);
    MSG msg;
    while (!ended_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that runs the program
            break;
        }
        if (IsDialogMessageA(hwnd(), &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The owner comes back before the dialog goes, so that Windows activates it and not
    // some other program's window.
    if (ownerEnabled)
        EnableWindow(owner, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    if (owner)
        SetActiveWindow(owner);
    return result_;
}

void Dialog::end(int result)
{
    result_ = result;
    ended_ = true;
}

LRESULT Dialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        end(IDCANCEL);
        return 0;
    }
    return Form::handleMessage(message, wParam, lParam);
}

}  // namespace fw

#include "tests/e2e/driver/real_input.h"

#include <cctype>

namespace e2e {
namespace {

void send(INPUT input)
{
    SendInput(1, &input, sizeof(input));
    Sleep(20);  // let the system queue take it before the next one
}

INPUT keyInput(WORD virtualKey, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

void clickWithMouse(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute positions run from 0 to 65535 across the primary screen.
    input.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send(input);
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    send(input);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send(input);
}

void pressKey(WORD virtualKey)
{
    send(keyInput(virtualKey, 0));
    send(keyInput(virtualKey, KEYEVENTF_KEYUP));
}

void pressWith(WORD modifier, WORD virtualKey)
{
    send(keyInput(modifier, 0));
    pressKey(virtualKey);
    send(keyInput(modifier, KEYEVENTF_KEYUP));
}

void typeKeys(const char* text)
{
    for (; *text; ++text)
        pressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(*text))));
}

}  // namespace e2e

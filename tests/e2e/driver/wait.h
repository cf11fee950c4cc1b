// Waiting for something another process does: polls, since there is nothing to wait on.
#pragma once

#include <windows.h>

namespace e2e {

inline constexpr DWORD kPollMs = 10;

// Polls the condition until it holds or the time is up; answers its last value. Meanwhile
// the test's own windows get their messages (and their keyboard), as a program's would.
template <typename Condition>
bool waitUntil(DWORD timeoutMs, Condition condition)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace e2e

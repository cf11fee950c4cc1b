// Waiting for something another process does: polls, since there is nothing to wait on.
#pragma once

#include <windows.h>

namespace e2e {

inline constexpr DWORD kPollMs = 10;

// Polls the condition until it holds or the time is up; answers its last value.
template <typename Condition>
bool waitUntil(DWORD timeoutMs, Condition condition)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(kPollMs);
    }
}

}  // namespace e2e

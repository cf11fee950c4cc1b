#include "tests/win/support/handle_counts.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace testing_support {
namespace {

int kernelHandlesByLookup()
{
    int count = 0;
    for (std::uintptr_t value = 4; value < 0x40000; value += 4) {
        DWORD flags = 0;
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    return count;
}

// Wine takes a GDI handle's table index alone, without its upper word.
int gdiObjectsByLookup()
{
    int count = 0;
    for (std::uintptr_t index = 1; index < 0x10000; ++index)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) ? 1 : 0;
    return count;
}

BOOL CALLBACK countWindow(HWND window, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(window, countWindow, counter);
    return TRUE;
}

// Windows are what our code makes of USER objects.
int windowsOfThisThread()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

HandleCounts handleCounts()
{
    const HANDLE self = GetCurrentProcess();
    DWORD kernel = 0;
    GetProcessHandleCount(self, &kernel);
    return {std::max(static_cast<int>(kernel), kernelHandlesByLookup()),
            std::max(static_cast<int>(GetGuiResources(self, GR_GDIOBJECTS)), gdiObjectsByLookup()),
            std::max(static_cast<int>(GetGuiResources(self, GR_USEROBJECTS)), windowsOfThisThread())};
}

}  // namespace testing_support

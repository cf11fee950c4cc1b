// Functions looked up when needed: those of newer Windows versions, so that the program still
// starts on versions without them, and those of DLLs that only some commands need, so that
// the program does not load them at every start.
#pragma once

#include <windows.h>

namespace fw {

// The function of that name in an already loaded system DLL; null where it is absent.
template <typename Function>
Function systemFunction(const char* module, const char* name)
{
    const HMODULE loaded = GetModuleHandleA(module);
    return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

// The function of that name in a DLL of System32, which is loaded (and kept) on first use;
// null where it cannot be had.
template <typename Function>
Function loadedSystemFunction(const char* module, const char* name)
{
    HMODULE loaded = GetModuleHandleA(module);
    if (!loaded)
        loaded = LoadLibraryExA(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!loaded && GetLastError() == ERROR_INVALID_PARAMETER)  // a Windows without that search
        loaded = LoadLibraryA(module);
    return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

}  // namespace fw

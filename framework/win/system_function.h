// A function of a newer Windows version, looked up when needed so that the program still
// starts on versions without it.
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

}  // namespace fw

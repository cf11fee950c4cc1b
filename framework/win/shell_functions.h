// The shell's and COM's functions the program uses, from shell32.dll and ole32.dll loaded on
// first use: only the commands that talk to the shell need them, and loading them costs a
// start of the program a good part of its time under Wine.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "framework/win/system_function.h"

namespace fw::shell_functions {

using SHGetSpecialFolderLocationFn = HRESULT(WINAPI*)(HWND, int, PIDLIST_ABSOLUTE*);
using SHGetPathFromIDListAFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPSTR);
using SHParseDisplayNameFn = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, PIDLIST_ABSOLUTE*, SFGAOF, SFGAOF*);
using SHOpenFolderAndSelectItemsFn = HRESULT(WINAPI*)(PCIDLIST_ABSOLUTE, UINT, PCUITEMID_CHILD_ARRAY, DWORD);
using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using CoTaskMemFreeFn = void(WINAPI*)(LPVOID);
using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFn = void(WINAPI*)();

// The function of that name from shell32.dll, or (com) ole32.dll; null where it cannot be had.
template <typename Function>
Function shellFunction(const char* name)
{
    return loadedSystemFunction<Function>("shell32.dll", name);
}
template <typename Function>
Function comFunction(const char* name)
{
    return loadedSystemFunction<Function>("ole32.dll", name);
}

// An item list the shell made, freed with the shell's allocator.
struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const;
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListDeleter>;

}  // namespace fw::shell_functions

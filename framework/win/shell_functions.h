// The shell's and COM's functions the program uses, from shell32.dll and ole32.dll loaded on
// first use: only the commands that talk to the shell need them, and loading them costs a
// start of the program a good part of its time under Wine.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <memory>

namespace fw::shell_functions {

using SHGetSpecialFolderLocationFn = HRESULT(WINAPI*)(HWND, int, PIDLIST_ABSOLUTE*);
using SHGetPathFromIDListAFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPSTR);
using SHParseDisplayNameFn = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, PIDLIST_ABSOLUTE*, SFGAOF, SFGAOF*);
using SHOpenFolderAndSelectItemsFn = HRESULT(WINAPI*)(PCIDLIST_ABSOLUTE, UINT, PCUITEMID_CHILD_ARRAY, DWORD);
using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using CoTaskMemFreeFn = void(WINAPI*)(LPVOID);
using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFn = void(WINAPI*)();

SHGetSpecialFolderLocationFn getSpecialFolderLocation();
SHGetPathFromIDListAFn getPathFromIdList();
SHParseDisplayNameFn parseDisplayName();
SHOpenFolderAndSelectItemsFn openFolderAndSelectItems();
ShellExecuteAFn shellExecute();
CoTaskMemFreeFn taskMemFree();
CoInitializeExFn initializeCom();
CoUninitializeFn uninitializeCom();

// An item list the shell made, freed with the shell's allocator.
struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const;
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListDeleter>;

}  // namespace fw::shell_functions

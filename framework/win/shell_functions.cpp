#include "framework/win/shell_functions.h"

#include "framework/win/system_function.h"

namespace fw::shell_functions {

SHGetSpecialFolderLocationFn getSpecialFolderLocation()
{
    return loadedSystemFunction<SHGetSpecialFolderLocationFn>("shell32.dll", "SHGetSpecialFolderLocation");
}

SHGetPathFromIDListAFn getPathFromIdList()
{
    return loadedSystemFunction<SHGetPathFromIDListAFn>("shell32.dll", "SHGetPathFromIDListA");
}

SHParseDisplayNameFn parseDisplayName()
{
    return loadedSystemFunction<SHParseDisplayNameFn>("shell32.dll", "SHParseDisplayName");
}

SHOpenFolderAndSelectItemsFn openFolderAndSelectItems()
{
    return loadedSystemFunction<SHOpenFolderAndSelectItemsFn>("shell32.dll", "SHOpenFolderAndSelectItems");
}

ShellExecuteAFn shellExecute()
{
    return loadedSystemFunction<ShellExecuteAFn>("shell32.dll", "ShellExecuteA");
}

CoTaskMemFreeFn taskMemFree()
{
    return loadedSystemFunction<CoTaskMemFreeFn>("ole32.dll", "CoTaskMemFree");
}

CoInitializeExFn initializeCom()
{
    return loadedSystemFunction<CoInitializeExFn>("ole32.dll", "CoInitializeEx");
}

CoUninitializeFn uninitializeCom()
{
    return loadedSystemFunction<CoUninitializeFn>("ole32.dll", "CoUninitialize");
}

void ItemIdListDeleter::operator()(ITEMIDLIST* list) const
{
    if (const auto free = taskMemFree())
        free(list);
}

}  // namespace fw::shell_functions

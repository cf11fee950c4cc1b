#include "framework/win/dll_search.h"

#include "framework/win/system_function.h"

namespace fw {

void limitDllSearchToSystem32()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    if (const auto setDefault = systemFunction<SetDefaultDllDirectoriesFn>("kernel32.dll", "SetDefaultDllDirectories"))
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace fw

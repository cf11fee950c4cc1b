#include "framework/win/shell_folders.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>

namespace fw {
namespace {
struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
}  // namespace

std::optional<std::string> desktopFolder()
{
    ITEMIDLIST* location = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &location)) || !location)
        return std::nullopt;
    std::unique_ptr<ITEMIDLIST, ItemIdListDeleter> owned(location);
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(owned.get(), path) || !path[0])
        return std::nullopt;
    return std::string(path);
}

}  // namespace fw

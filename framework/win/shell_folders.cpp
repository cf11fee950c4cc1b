#include "framework/win/shell_folders.h"

#include "framework/win/shell_functions.h"

namespace fw {

std::optional<std::string> desktopFolder()
{
    namespace shell = shell_functions;
    const auto getLocation = shell::shellFunction<shell::SHGetSpecialFolderLocationFn>("SHGetSpecialFolderLocation");
    const auto getPath = shell::shellFunction<shell::SHGetPathFromIDListAFn>("SHGetPathFromIDListA");
    ITEMIDLIST* location = nullptr;
    if (!getLocation || !getPath || FAILED(getLocation(nullptr, CSIDL_DESKTOP, &location)) || !location)
        return std::nullopt;
    const shell::ItemIdList owned(location);
    char path[MAX_PATH] = {};
    if (!getPath(owned.get(), path) || !path[0])
        return std::nullopt;
    return std::string(path);
}

}  // namespace fw

#include "framework/win/shell.h"

#include <vector>

#include "framework/win/shell_functions.h"

namespace fw {
namespace {

using namespace shell_functions;

ItemIdList itemOf(const std::string& path)
{
    const auto parse = shellFunction<SHParseDisplayNameFn>("SHParseDisplayName");
    if (!parse)
        return nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(length > 0 ? length : 1));
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    ITEMIDLIST* item = nullptr;
    if (FAILED(parse(wide.data(), nullptr, &item, 0, nullptr)))
        return nullptr;
    return ItemIdList(item);
}

bool shellOpen(const std::string& path)
{
    const auto execute = shellFunction<ShellExecuteAFn>("ShellExecuteA");
    return execute &&
           reinterpret_cast<INT_PTR>(execute(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

// COM for the length of one call, on the thread that asks.
class ComUse {
public:
    ComUse()
    {
        const auto initialize = comFunction<CoInitializeExFn>("CoInitializeEx");
        initialized_ = initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~ComUse()
    {
        if (initialized_)
            if (const auto uninitialize = comFunction<CoUninitializeFn>("CoUninitialize"))
                uninitialize();
    }
    ComUse(const ComUse&) = delete;
    ComUse& operator=(const ComUse&) = delete;

private:
    bool initialized_ = false;
};

}  // namespace

bool WindowsShell::showInFolder(const std::string& folder, const std::string& selected)
{
    if (!selected.empty()) {
        const ComUse com;
        // The item alone: Explorer opens the folder that holds it and selects it.
        const auto openAndSelect = shellFunction<SHOpenFolderAndSelectItemsFn>("SHOpenFolderAndSelectItems");
        if (const ItemIdList item = itemOf(selected); item && openAndSelect)
            if (SUCCEEDED(openAndSelect(item.get(), 0, nullptr, 0)))
                return true;
    }
    return shellOpen(folder);
}

bool WindowsShell::openFile(const std::string& path)
{
    return shellOpen(path);
}

}  // namespace fw

#include "framework/win/shell.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <memory>
#include <vector>

namespace fw {
namespace {

struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListDeleter>;

ItemIdList itemOf(const std::string& path)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(length > 0 ? length : 1));
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    ITEMIDLIST* item = nullptr;
    if (FAILED(SHParseDisplayName(wide.data(), nullptr, &item, 0, nullptr)))
        return nullptr;
    return ItemIdList(item);
}

bool shellOpen(const std::string& path)
{
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr,
                                                                SW_SHOWNORMAL));
    return result > 32;
}

// COM for the length of one call, on the thread that asks.
class ComUse {
public:
    ComUse() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComUse()
    {
        if (initialized_)
            CoUninitialize();
    }
    ComUse(const ComUse&) = delete;
    ComUse& operator=(const ComUse&) = delete;

private:
    bool initialized_;
};

}  // namespace

bool WindowsShell::showInFolder(const std::string& folder, const std::string& selected)
{
    if (!selected.empty()) {
        const ComUse com;
        // The item alone: Explorer opens the folder that holds it and selects it.
        if (const ItemIdList item = itemOf(selected))
            if (SUCCEEDED(SHOpenFolderAndSelectItems(item.get(), 0, nullptr, 0)))
                return true;
    }
    return shellOpen(folder);
}

bool WindowsShell::openFile(const std::string& path)
{
    return shellOpen(path);
}

}  // namespace fw

#include "tests/e2e/driver/outside_wine.h"

#include <windows.h>

#include <optional>

#include "framework/win/handle.h"
#include "tests/e2e/driver/wait.h"

namespace e2e {
namespace {

// Wine's own export: the Linux name of a Windows path, allocated on the process heap.
using UnixFileName = char*(__cdecl*)(const wchar_t*);

std::optional<std::string> unixName(const std::string& windowsPath)
{
    static const auto toUnix = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!toUnix)
        return std::nullopt;
    std::wstring wide(windowsPath.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    char* name = toUnix(wide.c_str());
    if (!name)
        return std::nullopt;
    std::string result(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

}  // namespace

bool moveOutsideWine(const std::string& from, const std::string& to)
{
    const std::optional<std::string> source = unixName(from);
    // Wine names only what exists: the target is its folder's name and its own.
    const std::size_t slash = to.find_last_of('\\');
    if (slash == std::string::npos)
        return false;
    std::optional<std::string> target = unixName(to.substr(0, slash + 1));
    if (target) {
        if (target->back() != '/')
            target->push_back('/');
        target->append(to.substr(slash + 1));
    }
    if (!source || !target)
        return false;
    std::string command = "/bin/mv -T \"" + *source + "\" \"" + *target + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &startup, &started))
        return false;
    fw::UniqueHandle process(started.hProcess);
    fw::UniqueHandle thread(started.hThread);
    // Wine does not signal a Linux program's end: watch for the move instead.
    return waitUntil(10000, [&] {
        return GetFileAttributesA(from.c_str()) == INVALID_FILE_ATTRIBUTES &&
               GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
}

}  // namespace e2e

#include "tests/win/support/linux_side.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include "framework/win/system_function.h"
#include "tests/win/support/file_bytes.h"

namespace testing_support {
namespace {

constexpr char kDoneMarker[] = "C:\\vistrel-unix-command.done";

}  // namespace

// Wine splits a Linux program's command line as Windows does; the shell then takes the
// single quotes.
std::string shellQuoted(const std::string& path)
{
    return "'" + path + "'";
}

// Wine starts Linux programs too, but gives no handle to wait on: the command says it is done
// and how it went in a marker file.
bool runLinuxCommand(const std::string& shellCommand)
{
    DeleteFileA(kDoneMarker);
    const std::string marker = shellQuoted(unixPathOf(kDoneMarker));
    std::string commandLine =
        "/bin/sh -c \"" + shellCommand + " && echo ok > " + marker + " || echo failed > " + marker + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    // For a Linux program Wine fills in no real handles (its id is 0): closing what it left
    // there could close one of ours, such as the standard output.
    if (started.dwProcessId != 0) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    for (int i = 0; i < 500; ++i) {
        if (const auto said = readFile(kDoneMarker); said.rfind("ok", 0) == 0 || said.rfind("failed", 0) == 0) {
            DeleteFileA(kDoneMarker);
            return said.rfind("ok", 0) == 0;
        }
        Sleep(20);
    }
    return false;
}

std::string unixPathOf(const std::string& windowsPath)
{
    using UnixNameFn = char*(CDECL*)(const WCHAR*);
    static const auto unixName = fw::systemFunction<UnixNameFn>("kernel32.dll", "wine_get_unix_file_name");
    if (!unixName)
        return {};
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* name = unixName(wide.c_str());
    if (!name)
        return {};
    const std::string path(name);
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

bool makeUnixLink(const std::string& target, const std::string& link)
{
    const std::string from = unixPathOf(link);
    const std::string to = unixPathOf(target);
    return !from.empty() && !to.empty() && runLinuxCommand("ln -sfn " + shellQuoted(to) + " " + shellQuoted(from));
}

bool makeUnixHardLink(const std::string& existing, const std::string& name)
{
    const std::string from = unixPathOf(name);
    const std::string to = unixPathOf(existing);
    return !from.empty() && !to.empty() && runLinuxCommand("ln -f " + shellQuoted(to) + " " + shellQuoted(from));
}

void removeUnixName(const std::string& windowsPath)
{
    const std::string path = unixPathOf(windowsPath);
    if (!path.empty())
        runLinuxCommand("rm -rf " + shellQuoted(path));
}

std::string accessListText(const std::string& path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return {};
    char* text = nullptr;
    std::string list;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &text, nullptr)) {
        list = text;
        LocalFree(text);
    }
    LocalFree(descriptor);
    return list;
}

}  // namespace testing_support

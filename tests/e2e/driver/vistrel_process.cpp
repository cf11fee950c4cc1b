#include "tests/e2e/driver/vistrel_process.h"

#include <cstring>
#include <stdexcept>
#include <vector>

#include "tests/e2e/driver/wait.h"
#include "tests/e2e/driver/window_search.h"

namespace e2e {
namespace {

constexpr char kHandheldVariable[] = "VISTREL_HANDHELD";
constexpr DWORD kStartTimeoutMs = 30000;

bool namesHandheld(const char* entry)
{
    const std::size_t n = std::strlen(kHandheldVariable);
    return _strnicmp(entry, kHandheldVariable, n) == 0 && entry[n] == '=';
}

}  // namespace

std::string environmentWithHandheld(const std::optional<std::string>& handheld)
{
    std::string block;
    char* const strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1)
        if (!namesHandheld(entry))
            block.append(entry).push_back('\0');
    FreeEnvironmentStringsA(strings);
    if (handheld)
        block.append(kHandheldVariable).append("=").append(*handheld).push_back('\0');
    block.push_back('\0');
    return block;
}

VistrelProcess::VistrelProcess(const std::string& exePath, const LaunchOptions& options)
{
    std::string environment = environmentWithHandheld(options.handheld);
    std::string commandLine = "\"" + exePath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                        options.currentDirectory.c_str(), &startup, &started))
        throw std::runtime_error("cannot start " + exePath + ": error " + std::to_string(GetLastError()));
    process_.reset(started.hProcess);
    CloseHandle(started.hThread);
    id_ = started.dwProcessId;

    waitUntil(kStartTimeoutMs, [&] {
        mainWindow_ = findTopLevelWindow(id_, "TForm_Main");
        return mainWindow_ && IsWindowVisible(mainWindow_);
    });
    if (!mainWindow_)
        throw std::runtime_error("Vistrel.exe showed no main window");
}

VistrelProcess::~VistrelProcess()
{
    if (running() && !close()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool VistrelProcess::close(DWORD timeoutMs)
{
    if (mainWindow_ && IsWindow(mainWindow_))
        PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

bool VistrelProcess::running() const
{
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

}  // namespace e2e

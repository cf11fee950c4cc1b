#include "tests/win/loader/loader_test_support.h"


#include <cstring>
#include <fstream>
#include <iterator>

#include "capture/loader_staging.h"
#include "capture/staging_folder.h"
#include "capture/staging_paths.h"
#include "framework/win/handle.h"

namespace loader_test {

std::string MemoryLog::all() const
{
    std::string text;
    for (const auto& entry : entries)
        text += entry;
    return text;
}

std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void cleanStagingFolder()
{
    // Under Wine the first program of a session that draws starts the desktop process, and
    // that process inherits the drawing program's standard handles: were the first to draw
    // a loader, the desktop would hold its pipe open. The test process starts it itself.
    GetDesktopWindow();
    CreateDirectoryA(capture::kStagingFolder, nullptr);
    DeleteFileA(capture::kStagedLoader);
    DeleteFileA(capture::kCaptureBitmap);
}

std::string programFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name)
{
    char old[32768];
    const DWORD length = GetEnvironmentVariableA(name, old, sizeof old);
    if (length > 0 && length < sizeof old)
        old_ = std::string(old, length);
    SetEnvironmentVariableA(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    SetEnvironmentVariableA(name_.c_str(), old_ ? old_->c_str() : nullptr);
}

Ran runProgram(const std::string& commandLine, const std::string& input)
{
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    fw::UniqueHandle outRead, outWrite, inRead, inWrite;
    CreatePipe(outRead.put(), outWrite.put(), &inheritable, 0);
    CreatePipe(inRead.put(), inWrite.put(), &inheritable, 0);
    SetHandleInformation(outRead.get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inWrite.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead.get();
    startup.hStdOutput = outWrite.get();
    startup.hStdError = outWrite.get();
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    PROCESS_INFORMATION started{};
    Ran ran;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
        ran.exitCode = ~0u;
        return ran;
    }
    fw::UniqueHandle process(started.hProcess), thread(started.hThread);
    outWrite.reset();
    inRead.reset();
    DWORD written = 0;
    if (!input.empty())
        WriteFile(inWrite.get(), input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    inWrite.reset();

    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(outRead.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        ran.output.append(buffer, read);
    WaitForSingleObject(process.get(), INFINITE);
    GetExitCodeProcess(process.get(), &ran.exitCode);
    return ran;
}

void stage(HMODULE module)
{
    capture::stageLoader(capture::holdStagingFolder(), module);
}

}  // namespace loader_test

// A fresh folder under the temporary folder for one test, removed with its files afterwards.
#pragma once

#include <windows.h>

#include "tests/win/support/temp_folder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testwin {

class ScratchFolder {
public:
    ScratchFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "vistrel-picture-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter()++);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { testing_support::removeTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

    // The names in the folder, sorted.
    std::vector<std::string> names() const { return testing_support::namesIn(path_); }

private:
    static int& counter()
    {
        static int n = 0;
        return n;
    }

    std::string path_;
};

inline void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

inline std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(f, nullptr));
    DWORD read = 0;
    ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    CloseHandle(f);
    return bytes;
}

}  // namespace testwin

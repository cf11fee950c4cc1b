// A fresh folder under the temporary folder for one test, removed with its files afterwards.
#pragma once

#include <windows.h>

#include <algorithm>
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
    ~ScratchFolder() { removeTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

    // The names in the folder, sorted.
    std::vector<std::string> names() const { return namesIn(path_); }

    static std::vector<std::string> namesIn(const std::string& folder)
    {
        std::vector<std::string> result;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return result;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                result.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        std::sort(result.begin(), result.end());
        return result;
    }

private:
    static int& counter()
    {
        static int n = 0;
        return n;
    }
    static void removeTree(const std::string& folder)
    {
        for (const std::string& name : namesIn(folder)) {
            const std::string child = folder + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(child.c_str()))
                removeTree(child);
        }
        RemoveDirectoryA(folder.c_str());
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

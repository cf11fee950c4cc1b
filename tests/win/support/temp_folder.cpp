#include "tests/win/support/temp_folder.h"

#include <windows.h>

#include <algorithm>

namespace testing_support {

TempFolder::TempFolder(const std::string& name) : path_("C:\\vistrel-tests\\" + name)
{
    removeTree(path_);
    CreateDirectoryA("C:\\vistrel-tests", nullptr);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    // A folder that is the current directory cannot be removed.
    SetCurrentDirectoryA("C:\\");
    removeTree(path_);
}

std::string TempFolder::makeSubfolder(const std::string& relative) const
{
    std::string path = path_;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('\\', start);
        if (end == std::string::npos)
            end = relative.size();
        path += "\\" + relative.substr(start, end - start);
        CreateDirectoryA(path.c_str(), nullptr);
        start = end + 1;
    }
    return path;
}

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

void removeTree(const std::string& path)
{
    for (const std::string& name : namesIn(path)) {
        const std::string child = path + "\\" + name;
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(child.c_str()))
            removeTree(child);
    }
    RemoveDirectoryA(path.c_str());
}

void pumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace testing_support

#include "tests/win/support/temp_folder.h"

#include <windows.h>

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

void removeTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((path + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
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

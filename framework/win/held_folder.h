// A folder that other users may write to, held open while the program works in it, and the
// files in it that the program may trust: plain files known by the name the program gave,
// never a link, a junction or a folder planted in their place.
#pragma once

#include <optional>
#include <string>

#include "framework/win/handle.h"

namespace fw {

class HeldFolder {
public:
    // Holds the folder at the path, so that it cannot be renamed or removed meanwhile; none
    // when there is no folder there, or it is a link, a junction or another reparse point.
    static std::optional<HeldFolder> hold(const std::string& path);

    const std::string& path() const { return path_; }
    // The path of a name in the folder.
    std::string pathOf(const std::string& name) const { return path_ + "\\" + name; }

    // Removes the plain file of that name. True when the name is free afterwards; false
    // when something else stands there (a link, a folder), which is left as it is, or the
    // file cannot be removed.
    bool removePlainFile(const std::string& name) const;

    // Opens the plain file of that name without following a link. Invalid when it cannot
    // be opened or is not a plain file of this folder (and, with singleName, when it has a
    // second name).
    UniqueFile openPlainFile(const std::string& name, DWORD access, DWORD share, bool singleName) const;

private:
    HeldFolder(UniqueFile handle, std::string path, std::string finalPath)
        : handle_(std::move(handle)), path_(std::move(path)), finalPath_(std::move(finalPath)) {}
    bool isPlainFileHere(HANDLE file, const std::string& name, bool singleName) const;

    UniqueFile handle_;
    std::string path_;
    std::string finalPath_;
};

// True when the open file is a plain file known by that path, its folder resolved: not a
// link, a junction or a folder, and (with singleName) known by no second name.
bool isPlainFileAt(HANDLE file, const std::string& path, bool singleName);

}  // namespace fw

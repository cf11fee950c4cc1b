#include "framework/win/held_folder.h"

#include "framework/text/path_parts.h"
#include "framework/win/file_system.h"

namespace fw {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The name itself: a link is opened, not what it points to (where Windows can tell; Wine
// opens the target, which finalPath() then shows).
constexpr DWORD kNoFollow = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;

UniqueFile openNoFollow(const std::string& path, DWORD access, DWORD share)
{
    return UniqueFile(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, kNoFollow, nullptr));
}

// Where Windows resolves an open handle to, without the "\\?\" prefix; empty when it
// cannot tell.
std::string finalPath(HANDLE handle)
{
    char buffer[MAX_PATH * 2];
    const DWORD length = GetFinalPathNameByHandleA(handle, buffer, sizeof buffer, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= sizeof buffer)
        return {};
    const std::string path(buffer, length);
    return path.rfind("\\\\?\\", 0) == 0 ? path.substr(4) : path;
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    return !folder.empty() && folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// Where a path's last name stands once its folder is resolved; empty when the folder cannot
// be opened.
std::string resolvedName(const std::string& path)
{
    const std::string folder = folderPart(path, isLeadByte);
    const UniqueFile parent = openNoFollow(folder.empty() ? "." : folder, FILE_READ_ATTRIBUTES, kShareAll);
    const std::string resolvedFolder = parent ? finalPath(parent.get()) : std::string();
    return resolvedFolder.empty() ? std::string() : joinPath(resolvedFolder, path.substr(folder.size()));
}

bool isPlainFile(HANDLE file, const std::string& expectedFinalPath, bool singleName)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info))
        return false;
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    if (singleName && info.nNumberOfLinks != 1)
        return false;
    const std::string resolved = finalPath(file);
    return !resolved.empty() && samePathText(resolved, expectedFinalPath);
}

}  // namespace

std::optional<HeldFolder> HeldFolder::hold(const std::string& path)
{
    // Others may read and write in it, but not rename or remove it.
    UniqueFile folder = openNoFollow(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE);
    BY_HANDLE_FILE_INFORMATION info;
    if (!folder || !GetFileInformationByHandle(folder.get(), &info))
        return std::nullopt;
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return std::nullopt;
    // A link that Windows does not flag on the handle still resolves elsewhere.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return std::nullopt;
    // The folder must be where its name stands, not somewhere a link leads.
    std::string resolved = finalPath(folder.get());
    const std::string expected = resolvedName(path);
    if (resolved.empty() || expected.empty() || !samePathText(resolved, expected))
        return std::nullopt;
    return HeldFolder(std::move(folder), path, std::move(resolved));
}

bool HeldFolder::isPlainFileHere(HANDLE file, const std::string& name, bool singleName) const
{
    return isPlainFile(file, joinPath(finalPath_, name), singleName);
}

bool HeldFolder::removePlainFile(const std::string& name) const
{
    const std::string path = pathOf(name);
    {
        const UniqueFile file = openNoFollow(path, DELETE | FILE_READ_ATTRIBUTES, kShareAll);
        if (!file)
            return !fileExists(path);
        if (!isPlainFileHere(file.get(), name, false))
            return false;
        // Through the handle checked above: whatever took the name meanwhile is not touched.
        FILE_DISPOSITION_INFO disposition{TRUE};
        if (!SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition, sizeof disposition))
            return false;
    }
    return !fileExists(path);
}

UniqueFile HeldFolder::openPlainFile(const std::string& name, DWORD access, DWORD share, bool singleName) const
{
    UniqueFile file = openNoFollow(pathOf(name), access, share);
    if (file && !isPlainFileHere(file.get(), name, singleName))
        file.reset();
    return file;
}

bool isPlainFileAt(HANDLE file, const std::string& path, bool singleName)
{
    const std::string expected = resolvedName(path);
    return !expected.empty() && isPlainFile(file, expected, singleName);
}

}  // namespace fw

#include "framework/win/file_io.h"

#include "framework/error.h"
#include "framework/text/path_parts.h"
#include "framework/win/file_system.h"

namespace fw {
namespace {

// The folder of a path, with its last separator, or "." when there is none.
std::string folderOf(const std::string& path)
{
    const std::string folder = folderPart(path, isLeadByte);
    return folder.empty() ? std::string(".") : folder;
}

// A temporary file that is deleted unless it was moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    std::string path_;
};

}  // namespace

bool writeAll(HANDLE file, const void* bytes, std::size_t size)
{
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

UniqueFile openForReading(const std::string& path, DWORD shareMode)
{
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, shareMode, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_OPEN_REPARSE_POINT,
                                nullptr));
    if (!file)
        throw errors::cannotOpenFile(path);
    return file;
}

std::uint64_t fileSize(HANDLE file)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        throw errors::inOutError(GetLastError());
    return static_cast<std::uint64_t>(size.QuadPart);
}

FileView::FileView(HANDLE file, std::size_t size)
    : mapping_(CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr)), size_(size)
{
    if (!mapping_)
        throw errors::inOutError(GetLastError());
    data_ = static_cast<const std::uint8_t*>(MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, size));
    if (!data_)
        throw errors::inOutError(GetLastError());
}

FileView::~FileView() { UnmapViewOfFile(data_); }

void writeNewFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    char temporaryName[MAX_PATH];
    if (!GetTempFileNameA(folderOf(path).c_str(), "vst", 0, temporaryName))  // creates it, empty
        throw errors::cannotCreateFile(path);
    TemporaryFile temporary(temporaryName);
    {
        UniqueFile file(CreateFileA(temporary.path().c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file || !writeAll(file.get(), data, size) || !FlushFileBuffers(file.get()))
            throw errors::cannotCreateFile(path);
    }
    // Without MOVEFILE_REPLACE_EXISTING: a file that appeared at the path meanwhile is kept.
    if (!MoveFileExA(temporary.path().c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
        throw errors::cannotCreateFile(path);
    temporary.keep();
}

}  // namespace fw

// Reading whole files with a chosen sharing, and replacing a file without ever leaving it
// half-written.
#pragma once

#include "framework/win/handle.h"

#include <cstdint>
#include <string>

namespace fw {

// Opens an existing file for reading, the name itself rather than what a link there points
// to (where Windows can tell). `shareMode` says what others may do meanwhile
// (FILE_SHARE_READ: other readers allowed, writers refused). errors::cannotOpenFile(path)
// when it cannot be opened.
UniqueFile openForReading(const std::string& path, DWORD shareMode);

// The size of an open file in bytes; errors::inOutError on failure.
std::uint64_t fileSize(HANDLE file);

// A read-only view of the whole of an open, non-empty file: its bytes without a copy.
// errors::inOutError when the file cannot be mapped.
class FileView {
public:
    FileView(HANDLE file, std::size_t size);
    ~FileView();
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    UniqueHandle mapping_;
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Writes all the bytes at the file's position; false when Windows fails to.
bool writeAll(HANDLE file, const void* bytes, std::size_t size);

// Puts `data` at `path` as a new file in one step: the bytes go to a new file in the same
// folder, which is flushed and then moved to `path`. A file already at `path` is never
// replaced. On any failure nothing is left behind and errors::cannotCreateFile(path) is
// raised.
void writeNewFile(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace fw

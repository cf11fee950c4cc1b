// Reading whole files with a chosen sharing, and replacing a file without ever leaving it
// half-written.
#pragma once

#include "framework/win/handle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

// Opens an existing file for reading. `shareMode` says what others may do meanwhile
// (FILE_SHARE_READ: other readers allowed, writers refused). errors::cannotOpenFile(path)
// when it cannot be opened.
UniqueFile openForReading(const std::string& path, DWORD shareMode);

// The size of an open file in bytes; errors::inOutError on failure.
std::uint64_t fileSize(HANDLE file);

// Reads `size` bytes from the current position; errors::inOutError on failure or when the
// file ends sooner.
std::vector<std::uint8_t> readBytes(HANDLE file, std::size_t size);

// Puts `data` in place of the file at `path` in one step: the bytes go to a new file in the
// same folder, which is flushed and then moved over `path` (replacing an existing file).
// On any failure the earlier file is untouched, the new file is removed, and
// errors::cannotCreateFile(path) is raised.
void replaceFile(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace fw

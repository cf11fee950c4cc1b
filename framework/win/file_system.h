// What the file system says of a path, and the process's current directory.
#pragma once

#include <string>

namespace fw {

// True when something (a file or a folder) is at the path.
bool fileExists(const std::string& path);
// True when a folder is at the path.
bool folderExists(const std::string& path);
// True for the first byte of a double-byte character in the system code page.
bool isLeadByte(unsigned char c);
// True when the two paths are the same text without regard to case, as Windows compares
// file names.
bool samePathText(const std::string& a, const std::string& b);
// The process's current directory.
std::string currentDirectory();

}  // namespace fw

// Windows paths in 8-bit text, where a double-byte character's trail byte may equal '\'.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fw {

// Tells the first bytes of double-byte characters; empty: none.
using IsLeadByte = std::function<bool(unsigned char)>;

// Calls visit(position, length) for each character of the text: two bytes for a
// double-byte character, one for any other.
void forEachCharacter(const std::string& text, const IsLeadByte& isLeadByte,
                      const std::function<void(std::size_t position, std::size_t length)>& visit);

// The texts between backslashes, empty ones included ("C:\a\" gives "C:", "a", "").
std::vector<std::string> splitAtBackslashes(const std::string& path, const IsLeadByte& isLeadByte);

// The folder part of a path, up to and with its last separator ('\' or '/'); empty when
// it has none.
std::string folderPart(const std::string& path, const IsLeadByte& isLeadByte);

}  // namespace fw

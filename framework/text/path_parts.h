// Splitting a Windows path into its parts in 8-bit text where a double-byte character's
// trail byte may equal '\'.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fw {

using IsLeadByte = std::function<bool(unsigned char)>;

// The texts between backslashes, empty ones included ("C:\a\" gives "C:", "a", "").
// isLeadByte tells the first bytes of double-byte characters; empty: none.
std::vector<std::string> splitAtBackslashes(const std::string& path, const IsLeadByte& isLeadByte);

}  // namespace fw

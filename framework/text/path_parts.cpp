#include "framework/text/path_parts.h"

namespace fw {
namespace {

// Calls visit(position, length) for each character of the path: two bytes for a
// double-byte character, one for any other.
template <typename Visit>
void forEachCharacter(const std::string& path, const IsLeadByte& isLeadByte, Visit visit)
{
    for (std::size_t i = 0; i < path.size();) {
        const bool doubleByte = isLeadByte && isLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size();
        const std::size_t length = doubleByte ? 2 : 1;
        visit(i, length);
        i += length;
    }
}

}  // namespace

std::vector<std::string> splitAtBackslashes(const std::string& path, const IsLeadByte& isLeadByte)
{
    std::vector<std::string> parts(1);
    forEachCharacter(path, isLeadByte, [&](std::size_t i, std::size_t length) {
        if (length == 1 && path[i] == '\\')
            parts.emplace_back();
        else
            parts.back().append(path, i, length);
    });
    return parts;
}

std::string folderPart(const std::string& path, const IsLeadByte& isLeadByte)
{
    std::size_t afterLastSeparator = 0;
    forEachCharacter(path, isLeadByte, [&](std::size_t i, std::size_t length) {
        if (length == 1 && (path[i] == '\\' || path[i] == '/'))
            afterLastSeparator = i + 1;
    });
    return path.substr(0, afterLastSeparator);
}

}  // namespace fw

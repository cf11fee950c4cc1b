#include "framework/text/path_parts.h"

namespace fw {
void forEachCharacter(const std::string& text, const IsLeadByte& isLeadByte,
                      const std::function<void(std::size_t position, std::size_t length)>& visit)
{
    for (std::size_t i = 0; i < text.size();) {
        const bool doubleByte = isLeadByte && isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        const std::size_t length = doubleByte ? 2 : 1;
        visit(i, length);
        i += length;
    }
}

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

#include "framework/text/path_parts.h"

namespace fw {

std::vector<std::string> splitAtBackslashes(const std::string& path, const IsLeadByte& isLeadByte)
{
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (isLeadByte && isLeadByte(c) && i + 1 < path.size()) {
            parts.back() += path.substr(i, 2);
            ++i;
        } else if (c == '\\') {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(c);
        }
    }
    return parts;
}

}  // namespace fw

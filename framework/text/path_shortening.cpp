#include "framework/text/path_shortening.h"

#include "framework/text/path_parts.h"

namespace fw {

std::string shortenPath(const std::string& path, int maxWidth, const TextWidth& width,
                        const IsLeadByte& isLeadByte)
{
    if (width(path) <= maxWidth)
        return path;
    std::vector<std::string> parts = splitAtBackslashes(path, isLeadByte);
    while (parts.size() > 1 && parts.back().empty())
        parts.pop_back();  // a trailing backslash names no folder
    if (parts.size() < 2)
        return path;

    const std::string drive = parts.front();
    const std::string last = parts.back();
    std::vector<std::string> middle(parts.begin() + 1, parts.end() - 1);

    std::string text = path;
    while (!middle.empty()) {
        middle.erase(middle.begin());
        text = drive + "\\...\\";
        for (const std::string& folder : middle)
            text += folder + "\\";
        text += last;
        if (width(text) <= maxWidth)
            return text;
    }
    text = "...\\" + last;
    if (width(text) <= maxWidth)
        return text;
    return last;
}

}  // namespace fw

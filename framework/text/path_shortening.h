// Shortens a folder path to fit a width, for a label that shows the folder list's folder.
#pragma once

#include <functional>
#include <string>

#include "framework/text/path_parts.h"

namespace fw {

using TextWidth = std::function<int(const std::string&)>;

// While the text is wider than maxWidth, the folder names after the drive are replaced
// one at a time, from the left, by "..." (C:\one\two\three -> C:\...\two\three ->
// C:\...\three); then the drive goes (...\three), then the dots (three). The last folder
// name always stays. isLeadByte tells the first bytes of double-byte characters, so that
// a trail byte equal to '\' is not taken for a separator.
std::string shortenPath(const std::string& path, int maxWidth, const TextWidth& width,
                        const IsLeadByte& isLeadByte = {});

}  // namespace fw

// Folders the shell knows by name.
#pragma once

#include <optional>
#include <string>

namespace fw {

// The file-system path of the current user's desktop folder; none when the shell cannot
// give one.
std::optional<std::string> desktopFolder();

}  // namespace fw

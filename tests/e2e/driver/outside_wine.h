// Changes made from the Linux side, behind Wine's back. Wine keeps Windows' sharing rules
// (a folder that is some process's current directory cannot be moved); a user's file
// manager, or a drive going away, is not bound by them.
#pragma once

#include <string>

namespace e2e {

// Moves a file or folder with the Linux mv, which Wine starts like any program. Answers
// whether it moved.
bool moveOutsideWine(const std::string& from, const std::string& to);

}  // namespace e2e

// The rule that names a capture's picture file.
#pragma once

#include <cstdint>
#include <string>

#include "framework/text/path_parts.h"

namespace capture {

// prefix + decimal number + extension (".jpg", or ".png" for lossless pictures).
std::string outputFileName(const std::string& prefix, std::int32_t number, const char* extension = ".jpg");

// folder + "\" + outputFileName, with nothing altered. A drive root such as D:\ already
// ends in a backslash and gives D:\\name1.jpg, which Windows reads as one separator.
std::string outputPath(const std::string& folder, const std::string& prefix, std::int32_t number,
                       const char* extension = ".jpg");

// True when the text can only name a plain file inside a folder: no separator ('\', '/'),
// no stream (':'), none of the characters Windows does not allow in names (< > " | ? * and
// control characters), and not a reserved device name (CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9, with any extension and trailing spaces). isLeadByte tells the first bytes
// of double-byte characters, whose second byte may equal one of those characters.
bool isPlainFileName(const std::string& name, const fw::IsLeadByte& isLeadByte);

}  // namespace capture

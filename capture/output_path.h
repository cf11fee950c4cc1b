// The rule that names a capture's JPEG file.
#pragma once

#include <cstdint>
#include <string>

namespace capture {

// folder + "\" + prefix + decimal count + ".jpg", with nothing altered or tested. A drive
// root such as D:\ already ends in a backslash and gives D:\\name1.jpg, which Windows
// reads as one separator.
std::string outputPath(const std::string& folder, const std::string& prefix, std::int32_t count);

}  // namespace capture

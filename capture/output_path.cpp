#include "capture/output_path.h"

#include <cctype>
#include <cstring>

#include "framework/text/int_text.h"

namespace capture {
namespace {

bool isForbiddenCharacter(unsigned char c)
{
    return c < 0x20 || std::strchr("\\/:<>\"|?*", c) != nullptr;
}

// Windows takes the name before its first dot, less trailing spaces, for the device.
bool isReservedDeviceName(const std::string& name)
{
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

}  // namespace

std::string outputFileName(const std::string& prefix, std::int32_t number, const char* extension)
{
    return prefix + fw::toDecimal(number) + extension;
}

std::string outputPath(const std::string& folder, const std::string& prefix, std::int32_t number,
                       const char* extension)
{
    return folder + "\\" + outputFileName(prefix, number, extension);
}

bool isPlainFileName(const std::string& name, const fw::IsLeadByte& isLeadByte)
{
    bool allowed = !name.empty();
    fw::forEachCharacter(name, isLeadByte, [&](std::size_t at, std::size_t length) {
        if (length == 1 && isForbiddenCharacter(static_cast<unsigned char>(name[at])))
            allowed = false;
    });
    return allowed && !isReservedDeviceName(name);
}

}  // namespace capture

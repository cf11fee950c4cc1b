#include "loader/arguments.h"

namespace loader {

const char kUsageText[] =
    "Usage: JavaLoader.exe [-u] [-p<port>] [-w<password>] screenshot <file>\r\n"
    "  -u             connect to the handheld on USB (default: a serial port)\r\n"
    "  -p<port>       serial port to use (default COM1)\r\n"
    "  -w<password>   the handheld's password\r\n"
    "  screenshot     save the handheld's current screen as a Windows bitmap file\r\n";

std::optional<Arguments> parseArguments(const std::vector<std::string>& args)
{
    Arguments result;
    std::size_t i = 0;
    for (; i < args.size() && args[i].size() >= 2 && args[i][0] == '-'; ++i) {
        const std::string& option = args[i];
        const std::string value = option.substr(2);
        switch (option[1]) {
        case 'u':
            if (!value.empty())
                return std::nullopt;
            result.usb = true;
            break;
        case 'p':
            if (value.empty())
                return std::nullopt;
            result.port = value;
            break;
        case 'w':
            result.password = value;
            break;
        default:
            return std::nullopt;
        }
    }
    if (args.size() - i != 2 || args[i] != "screenshot" || args[i + 1].empty())
        return std::nullopt;
    result.screenshotFile = args[i + 1];
    return result;
}

}  // namespace loader

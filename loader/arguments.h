// The loader's command line: JavaLoader.exe [-u] [-p<port>] [-w<password>] screenshot <file>
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace loader {

struct Arguments {
    bool usb = false;               // -u: look for the handheld on USB, not a serial port
    std::string port = "COM1";      // -p<port>: the serial port
    std::optional<std::string> password;  // -w<password>: given up front, no prompt
    std::string screenshotFile;     // screenshot <file>
};

// The arguments after the program name; nothing when they do not form a valid command.
std::optional<Arguments> parseArguments(const std::vector<std::string>& args);

extern const char kUsageText[];

}  // namespace loader

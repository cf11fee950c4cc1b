#include "capture/loader_command.h"

#include <algorithm>
#include <cctype>

#include "capture/staging_paths.h"

namespace capture {
namespace {

// One argument as CommandLineToArgv and the C runtime read it back: in quotes, a quote as \",
// and backslashes doubled where a quote follows them.
std::string quotedArgument(const std::string& argument)
{
    if (argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

}  // namespace

std::string loaderCommandLine(const std::string& password)
{
    if (password.empty())
        return kLoaderCommandLine;
    return std::string(kStagedLoader) + " -u " + quotedArgument("-w" + password) + " screenshot " + kCaptureBitmap;
}

bool asksForPassword(const std::string& output)
{
    std::string lower(output);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("password") != std::string::npos;
}

}  // namespace capture

#include "loader/handheld_settings.h"

#include <cstdlib>
#include <vector>

namespace loader {

namespace {

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// A decimal number within [low, high]; anything else is a bad setting.
unsigned long number(const std::string& text, unsigned long low, unsigned long high, const std::string& item)
{
    char* end = nullptr;
    const unsigned long value = text.empty() || text[0] == '-' ? 0 : std::strtoul(text.c_str(), &end, 10);
    if (!end || *end != '\0' || value < low || value > high)
        throw BadSetting("bad value in item \"" + item + "\"");
    return value;
}

// The pieces of a text between separators; an empty text is one empty piece.
std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

void applyModel(HandheldSettings& settings, const std::string& value, const std::string& item)
{
    const auto parts = split(value, 'x');
    if (parts.size() != 3)
        throw BadSetting("model must be <width>x<height>x<bits>: \"" + item + "\"");
    settings.width = static_cast<int>(number(parts[0], 16, 4096, item));
    settings.height = static_cast<int>(number(parts[1], 16, 4096, item));
    settings.bitsPerPixel = static_cast<int>(number(parts[2], 16, 32, item));
    if (settings.bitsPerPixel != 16 && settings.bitsPerPixel != 24 && settings.bitsPerPixel != 32)
        throw BadSetting("bits per pixel must be 16, 24 or 32: \"" + item + "\"");
}

}  // namespace

HandheldSettings parseHandheldSettings(const std::string& text)
{
    HandheldSettings settings;
    for (const std::string& raw : split(text, ',')) {
        const std::string item = trimmed(raw);
        if (item.empty())
            continue;
        const auto equals = item.find('=');
        const std::string key = item.substr(0, equals);
        const std::string value = equals == std::string::npos ? std::string() : item.substr(equals + 1);
        const bool hasValue = equals != std::string::npos;

        if (!hasValue && key == "none")
            settings.attached = false;
        else if (!hasValue && key == "hang")
            settings.hang = true;
        else if (!hasValue && key == "crash")
            settings.crash = true;
        else if (!hasValue && key == "password")
            settings.password = true;
        else if (hasValue && key == "password" && !value.empty()) {
            settings.password = true;
            settings.secret = value;
        } else if (hasValue && key == "record" && !value.empty())
            settings.recordFile = value;
        else if (!hasValue && key == "helper")
            settings.helper = true;
        else if (hasValue && key == "model")
            applyModel(settings, value, item);
        else if (hasValue && key == "screen" && !value.empty())
            settings.screenFile = value;
        else if (hasValue && key == "delay")
            settings.delayMs = static_cast<unsigned>(number(value, 0, 600000, item));
        else if (hasValue && key == "noise")
            settings.noiseBytes = number(value, 0, 100000000, item);
        else
            throw BadSetting("unknown item \"" + item + "\"");
    }
    return settings;
}

}  // namespace loader

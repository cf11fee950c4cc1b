// The text "loader_probe output <n>" writes: numbered lines, so that a lost, doubled or
// reordered piece shows.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

inline std::string probeOutput(std::size_t size)
{
    std::string text;
    for (unsigned line = 0; text.size() < size; ++line) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "probe line %05u: the quick brown fox\r\n", line);
        text += buffer;
    }
    text.resize(size);
    return text;
}

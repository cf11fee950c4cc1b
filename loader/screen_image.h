// A handheld's screen as pixels: top row first, each pixel 0x00RRGGBB.
#pragma once

#include <cstdint>
#include <vector>

namespace loader {

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

}  // namespace loader

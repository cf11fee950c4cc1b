// A decoded picture: 3 bytes per pixel (red, green, blue), rows from the top down, no padding.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes
};

}  // namespace fw

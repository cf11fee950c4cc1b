// Windows bitmap files of a screen image: 16 bits (BI_BITFIELDS, 5-6-5), 24 or 32 bits,
// rows bottom-up as the format stores them.
#pragma once

#include <cstdint>
#include <vector>

#include "loader/screen_image.h"

namespace loader {

std::vector<std::uint8_t> encodeBitmapFile(const ScreenImage& image, int bitsPerPixel);

}  // namespace loader

// The baseline JPEG writer over libjpeg.
#pragma once

#include "framework/graphics/pixel_image.h"

#include <cstdint>
#include <vector>

namespace fw {

// Compresses the picture in memory: quality 90, YCbCr 4:2:0 with libjpeg's defaults, a JFIF
// header, floating-point DCT, baseline. libjpeg's failures (a side over 65,500 pixels among
// them) become errors::jpegError(libjpeg's message number).
std::vector<std::uint8_t> encodeJpeg(const PixelImage& image);

}  // namespace fw

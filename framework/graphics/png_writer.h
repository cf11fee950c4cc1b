// The lossless PNG writer over libpng.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics/pixel_image.h"

namespace fw {

// Compresses the picture in memory as an 8-bit RGB PNG, with libpng's default filtering and
// zlib's default level: decoding it gives exactly these pixels. libpng's failures become
// errors::pngError(libpng's message).
std::vector<std::uint8_t> encodePng(const PixelImage& image);

}  // namespace fw

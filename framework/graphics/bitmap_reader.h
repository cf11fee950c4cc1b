// Reader for Windows bitmap files (.bmp), with no dependence on Windows.
//
// Accepted: the 12-byte core header, the 40-, 52- and 56-byte info headers, V4 (108) and
// V5 (124); 1, 4 and 8 bits with a palette (possibly shorter than 2^n entries); RLE8 and
// RLE4; 16 bits (5-5-5, or bit-field masks such as 5-6-5); 24 bits; 32 bits (plain or bit
// fields); rows bottom-up or top-down. Alpha is ignored.
#pragma once

#include "framework/graphics/pixel_image.h"

#include <cstddef>
#include <cstdint>

namespace fw {

// A hostile header must not make us allocate more than this for the decoded pixels.
inline constexpr std::size_t kMaxDecodedBitmapBytes = 256u * 1024 * 1024;

// Decodes a whole bitmap file held in memory. Throws errors::invalidBitmap() for anything
// it does not accept or that does not add up; never reads outside [data, data + size).
PixelImage readBitmap(const std::uint8_t* data, std::size_t size);

}  // namespace fw

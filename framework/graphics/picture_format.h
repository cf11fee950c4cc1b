// The file formats a picture is saved in: each has its extension and its encoder.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics/pixel_image.h"

namespace fw {

enum class PictureFormat {
    Jpeg,  // baseline JPEG, quality 90
    Png,   // lossless
};

// ".jpg" or ".png".
const char* extensionOf(PictureFormat format);

// The picture's file, whole, in memory.
std::vector<std::uint8_t> encodePicture(const PixelImage& image, PictureFormat format);

}  // namespace fw

// A 24-bit device-independent bitmap made from a decoded picture, for painting.
#pragma once

#include <windows.h>

#include "framework/graphics/pixel_image.h"
#include "framework/win/handle.h"

namespace fw {

class Dib {
public:
    explicit Dib(const PixelImage& image);
    HBITMAP handle() const { return static_cast<HBITMAP>(bitmap_.get()); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    UniqueGdiObject bitmap_;
    int width_;
    int height_;
};

}  // namespace fw

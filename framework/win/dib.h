// A 24-bit device-independent bitmap made from a decoded picture, for painting.
#pragma once

#include <windows.h>

#include "framework/graphics/pixel_image.h"
#include "framework/win/handle.h"

namespace fw {

// Writes the picture's pixels as a 24-bit DIB holds them: blue, green, red, each row padded
// to four bytes, from the top row down or (bottomUp) from the bottom row up.
void writeDibRows(const PixelImage& image, std::uint8_t* rows, bool bottomUp);
// The bytes of one such row.
std::size_t dibStride(int width);

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

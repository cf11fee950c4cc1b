#include "framework/win/dib.h"

#include <cstring>
#include <new>

namespace fw {

std::size_t dibStride(int width)
{
    return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
}

void writeDibRows(const PixelImage& image, std::uint8_t* rows, bool bottomUp)
{
    const std::size_t stride = dibStride(image.width);
    const std::uint8_t* source = image.rgb.data();
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* out = rows + stride * static_cast<std::size_t>(bottomUp ? image.height - 1 - y : y);
        std::memset(out + static_cast<std::size_t>(image.width) * 3, 0, stride - static_cast<std::size_t>(image.width) * 3);
        for (int x = 0; x < image.width; ++x, source += 3, out += 3) {
            out[0] = source[2];
            out[1] = source[1];
            out[2] = source[0];
        }
    }
}

Dib::Dib(const PixelImage& image) : width_(image.width), height_(image.height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // rows from the top down, as the picture holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
        throw std::bad_alloc();

    writeDibRows(image, static_cast<std::uint8_t*>(bits), false);
    GdiFlush();
}

}  // namespace fw

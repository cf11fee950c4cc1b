// libFuzzer target: any bytes given to the bitmap reader either decode to a picture whose
// pixel buffer matches its size or raise the framework's error, and nothing else happens.
#include "framework/error.h"
#include "framework/graphics/bitmap_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const fw::PixelImage image = fw::readBitmap(data, size);
        if (image.width <= 0 || image.height <= 0 ||
            image.rgb.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
            __builtin_trap();
    } catch (const fw::Error&) {
    }
    return 0;
}

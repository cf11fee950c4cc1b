// libFuzzer target: any bytes given to the bitmap reader either decode to a picture whose
// pixel buffer matches its size or raise the framework's error, and nothing else happens.
// Each picture it decodes is then saved as the program saves it, in both formats, so that
// the encoders meet every shape of picture the reader can give.
#include "framework/error.h"
#include "framework/graphics/bitmap_reader.h"
#include "framework/graphics/picture_format.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const fw::PixelImage image = fw::readBitmap(data, size);
        if (image.width <= 0 || image.height <= 0 ||
            image.rgb.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
            __builtin_trap();
        for (const fw::PictureFormat format : {fw::PictureFormat::Jpeg, fw::PictureFormat::Png})
            if (fw::encodePicture(image, format).empty())
                __builtin_trap();
    } catch (const fw::Error&) {
    }
    return 0;
}

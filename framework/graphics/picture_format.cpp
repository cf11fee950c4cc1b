#include "framework/graphics/picture_format.h"

#include "framework/graphics/jpeg_writer.h"
#include "framework/graphics/png_writer.h"

namespace fw {

const char* extensionOf(PictureFormat format)
{
    return format == PictureFormat::Png ? ".png" : ".jpg";
}

std::vector<std::uint8_t> encodePicture(const PixelImage& image, PictureFormat format)
{
    return format == PictureFormat::Png ? encodePng(image) : encodeJpeg(image);
}

}  // namespace fw

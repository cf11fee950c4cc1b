#include "framework/graphics/png_writer.h"

#include <png.h>

#include "framework/error.h"

namespace fw {
namespace {

// libpng's simplified interface owns its state in the image; this frees it however the
// writer ends. (It reports errors through the image, never through a jump.)
class PngImage {
public:
    PngImage(int width, int height)
    {
        image_.version = PNG_IMAGE_VERSION;
        image_.width = static_cast<png_uint_32>(width);
        image_.height = static_cast<png_uint_32>(height);
        image_.format = PNG_FORMAT_RGB;
    }
    ~PngImage() { png_image_free(&image_); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
    png_image* get() { return &image_; }
    Error error() const { return errors::pngError(image_.message); }

private:
    png_image image_{};
};

}  // namespace

std::vector<std::uint8_t> encodePng(const PixelImage& image)
{
    const auto stride = static_cast<png_int_32>(image.width * 3);
    PngImage png(image.width, image.height);
    // Room for the largest file such a picture can give, so that it is compressed once.
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(*png.get());
    std::vector<std::uint8_t> bytes(size);
    if (!png_image_write_to_memory(png.get(), bytes.data(), &size, 0, image.rgb.data(), stride, nullptr))
        throw png.error();
    bytes.resize(size);
    return bytes;
}

}  // namespace fw

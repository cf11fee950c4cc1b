// The picture output of a capture: the loader's bitmap read into pixels, and the pixels
// saved as a JPEG file.
#pragma once

#include "framework/graphics/picture_format.h"
#include "framework/graphics/pixel_image.h"

#include <string>

namespace capture {

// Reads the bitmap file at `path` (other readers allowed, writers refused), never through a
// link. Raises "Cannot open file <path>", or "Bitmap image is not valid" (also for a link,
// a junction, or a file with a second name).
fw::PixelImage loadCaptureBitmap(const std::string& path);

// Compresses the picture in the format (a baseline JPEG at quality 90, or a lossless PNG) and
// puts it at `outputPath` as a new file; an existing file there is never replaced.
// Everything is compressed before a file is touched, so a failure ("JPEG error #n",
// "PNG error: ...", "Cannot create file <outputPath>") leaves nothing behind.
void savePicture(const fw::PixelImage& image, const std::string& outputPath, fw::PictureFormat format);

// savePicture as a JPEG.
inline void saveJpeg(const fw::PixelImage& image, const std::string& outputPath)
{
    savePicture(image, outputPath, fw::PictureFormat::Jpeg);
}

}  // namespace capture

// The picture output of a capture: the loader's bitmap read into pixels, and the pixels
// saved as a JPEG file.
#pragma once

#include "framework/graphics/pixel_image.h"

#include <string>

namespace capture {

// Reads the bitmap file at `path` (other readers allowed, writers refused), never through a
// link. Raises "Cannot open file <path>", or "Bitmap image is not valid" (also for a link,
// a junction, or a file with a second name).
fw::PixelImage loadCaptureBitmap(const std::string& path);

// Compresses the picture as a baseline JPEG at quality 90 and puts it at `outputPath` as a
// new file; an existing file there is never replaced. Everything is compressed before a file
// is touched, so a failure ("JPEG error #n", "Cannot create file <outputPath>") leaves
// nothing behind.
void saveJpeg(const fw::PixelImage& image, const std::string& outputPath);

}  // namespace capture

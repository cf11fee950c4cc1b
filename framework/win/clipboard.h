// Pictures on the clipboard.
#pragma once

#include <windows.h>

#include "framework/graphics/pixel_image.h"

namespace fw {

// Puts the picture on the clipboard as a device-independent bitmap (CF_DIB, 24 bits, the
// same pixels), in place of what was there. False when the clipboard cannot be had (another
// program holds it) or Windows refuses the data: the picture is then not on it.
bool copyPictureToClipboard(HWND owner, const PixelImage& image);

}  // namespace fw

// A GDI font owned by the object, and text measured in it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/handle.h"

namespace fw {

class Font {
public:
    Font() = default;
    // Raises errors::cannotCreateFont when Windows cannot make it.
    Font(const char* face, int height);
    HFONT handle() const { return static_cast<HFONT>(font_.get()); }

private:
    UniqueGdiObject font_;
};

// The width and height of a single line of text drawn in the font.
SIZE measureText(HFONT font, const std::string& text);

}  // namespace fw

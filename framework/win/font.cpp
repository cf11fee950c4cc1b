#include "framework/win/font.h"

#include "framework/error.h"
#include "framework/win/gdi.h"

namespace fw {

Font::Font(const char* face, int height)
    : font_(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face))
{
    if (!font_)
        throw errors::cannotCreateFont(face);
}

SIZE measureText(HFONT font, const std::string& text)
{
    SIZE size{0, 0};
    WindowDC screen(nullptr);
    SelectedObject selected(screen.get(), font);
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICA metrics;
        GetTextMetricsA(screen.get(), &metrics);
        size.cy = metrics.tmHeight;
    }
    return size;
}

}  // namespace fw

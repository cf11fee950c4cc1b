#include "tests/e2e/driver/screenshot.h"

#include <fstream>
#include <vector>

#include "framework/win/gdi.h"
#include "framework/win/handle.h"

namespace e2e {

bool saveWindowPicture(HWND window, const std::string& bmpPath)
{
    RECT r;
    if (!GetWindowRect(window, &r))
        return false;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as bitmap files store it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::WindowDC screen(nullptr);
    fw::UniqueGdiObject section(CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&header),
                                                 DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section)
        return false;
    {
        fw::MemoryDC memory(screen.get());
        fw::SelectedObject selected(memory.get(), section.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY))
            return false;
    }
    GdiFlush();

    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    header.biSizeImage = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::ofstream out(bmpPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(static_cast<const char*>(bits), header.biSizeImage);
    return static_cast<bool>(out);
}

}  // namespace e2e

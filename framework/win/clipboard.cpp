#include "framework/win/clipboard.h"

#include "framework/win/dib.h"

namespace fw {
namespace {

// The clipboard, open for one use; another program may hold it for a moment.
class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner)
    {
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_)
                Sleep(20);
        }
    }
    ~OpenClipboardGuard()
    {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    bool open() const { return open_; }

private:
    bool open_ = false;
};

struct GlobalMemory {
    explicit GlobalMemory(SIZE_T size) : handle(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    ~GlobalMemory()
    {
        if (handle)
            GlobalFree(handle);
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    HGLOBAL handle;
};

}  // namespace

bool copyPictureToClipboard(HWND owner, const PixelImage& image)
{
    // The header, then the rows from the bottom up.
    const std::size_t pixels = dibStride(image.width) * static_cast<std::size_t>(image.height);
    GlobalMemory memory(sizeof(BITMAPINFOHEADER) + pixels);
    if (!memory.handle)
        return false;
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory.handle));
    if (!header)
        return false;
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = image.width;
    header->biHeight = image.height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(pixels);
    writeDibRows(image, reinterpret_cast<std::uint8_t*>(header + 1), true);
    GlobalUnlock(memory.handle);

    const OpenClipboardGuard clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard() || !SetClipboardData(CF_DIB, memory.handle))
        return false;
    memory.handle = nullptr;  // the clipboard owns it now
    return true;
}

}  // namespace fw

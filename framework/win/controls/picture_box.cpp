#include "framework/win/controls/picture_box.h"

#include "framework/win/gdi.h"

namespace fw {

void PictureBox::create(HWND parent, const Placement& placement)
{
    createOwnChild({"VistrelPictureBox", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), CS_DBLCLKS}, parent,
                   placement, WS_VISIBLE);
}

void PictureBox::setPicture(const PixelImage& image)
{
    dib_ = std::make_unique<Dib>(image);
    InvalidateRect(hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd());
}

LRESULT PictureBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PaintDC paint(hwnd());
        if (dib_) {
            MemoryDC memory(paint.get());
            SelectedObject selected(memory.get(), dib_->handle());
            BitBlt(paint.get(), 0, 0, dib_->width(), dib_->height(), memory.get(), 0, 0, SRCCOPY);
        }
        return 0;
    }
    if (message == WM_LBUTTONDBLCLK && onDoubleClick) {
        onDoubleClick();
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace fw

// Shows a picture at its natural size from the box's top-left corner, cut off at the
// box's edges; the rest of the box shows the form's colour.
#pragma once

#include <functional>
#include <memory>

#include "framework/graphics/pixel_image.h"
#include "framework/win/dib.h"
#include "framework/win/window.h"

namespace fw {

class PictureBox : public Window {
public:
    std::function<void()> onDoubleClick;
    void create(HWND parent, const Placement& placement);
    // Replaces the picture; the old one stays when making the new one fails.
    void setPicture(const PixelImage& image);
    bool hasPicture() const { return dib_ != nullptr; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::unique_ptr<Dib> dib_;
};

}  // namespace fw

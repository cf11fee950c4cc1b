// Static text that sizes itself to its text, in its font; only its placement's left and
// top are used.
#pragma once

#include <string>

#include "framework/win/window.h"

namespace fw {

class Label : public Window {
public:
    void create(HWND parent, const Placement& placement, const std::string& text);
    // Sets the text and resizes the label to fit it.
    void setCaption(const std::string& text);
    std::string caption() const { return text(); }

protected:
    Bounds windowBounds(const Bounds& scaled, Dpi dpi) const override;
};

}  // namespace fw

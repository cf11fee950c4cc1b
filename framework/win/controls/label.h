// Static text that sizes itself to its text, in its font.
#pragma once

#include "framework/win/control.h"

namespace fw {

class Label : public Control {
public:
    void create(HWND parent, const std::string& text, int left, int top, HFONT font);
    // Sets the text and resizes the label to fit it.
    void setCaption(const std::string& text);
    std::string caption() const { return text(); }
};

}  // namespace fw

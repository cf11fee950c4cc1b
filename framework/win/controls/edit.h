// One-line text edit with one event: the text changed (typing, paste, deletion, or the
// program setting a different text).
#pragma once

#include <functional>

#include "framework/win/control.h"

namespace fw {

class Edit : public Control {
public:
    void create(HWND parent, const std::string& text, const Bounds& bounds, HFONT font);
    std::function<void()> onChange;

    // Sets the text; fires the change event only when the text differs.
    void setEditText(const std::string& text);

    void handleCommand(WORD notification) override;
};

}  // namespace fw

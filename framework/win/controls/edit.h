// One-line text edit with one event: the text changed (typing, paste, deletion, or the
// program setting a different text).
#pragma once

#include <functional>
#include <string>

#include "framework/win/window.h"

namespace fw {

class Edit : public Window {
public:
    // masked: every character shows as a dot (a password).
    void create(HWND parent, const Placement& placement, const std::string& text, bool masked = false);
    std::function<void()> onChange;

    // Sets the text; fires the change event only when the text differs.
    void setEditText(const std::string& text);

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace fw

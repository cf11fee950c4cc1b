// Push button with one event: click (by mouse, Space, or Enter while it has the focus).
#pragma once

#include <functional>
#include <string>

#include "framework/win/window.h"

namespace fw {

class Button : public Window {
public:
    std::function<void()> onClick;
    void create(HWND parent, const Placement& placement, const std::string& caption);

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace fw

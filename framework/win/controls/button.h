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

    // Throws away clicks posted to the button, or reported by it to its parent, that are still
    // waiting in the queue (they came while the button was busy).
    void dropQueuedClicks() const;

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace fw

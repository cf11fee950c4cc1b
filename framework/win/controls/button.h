// Push button with one event: click.
#pragma once

#include <functional>

#include "framework/win/control.h"

namespace fw {

class Button : public Control {
public:
    void create(HWND parent, const std::string& caption, const Bounds& bounds, HFONT font);
    std::function<void()> onClick;

    void handleCommand(WORD notification) override;
    bool handleEnterKey() override;
};

}  // namespace fw

// Collects the boxes the program shows, as the real boxes would show them (caption, text and
// style), instead of showing them.
#pragma once

#include <string>
#include <vector>

#include "framework/win/boxes.h"

namespace testing_support {

struct BoxShown {
    std::string caption;
    std::string text;
    UINT style;
};

class BoxCatcher : public fw::MessageBoxes {
public:
    std::vector<BoxShown> boxes;

protected:
    void show(const std::string& caption, const std::string& text, UINT style) override
    {
        boxes.push_back({caption, text, style});
    }
};

}  // namespace testing_support

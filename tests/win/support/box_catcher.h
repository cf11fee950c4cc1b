// Collects the boxes the program shows while it lives, instead of showing them.
#pragma once

#include <vector>

#include "framework/win/application.h"

namespace testing_support {

class BoxCatcher {
public:
    BoxCatcher()
    {
        fw::setBoxHandler([this](const fw::BoxRequest& box) { boxes.push_back(box); });
    }
    ~BoxCatcher() { fw::setBoxHandler({}); }
    BoxCatcher(const BoxCatcher&) = delete;
    BoxCatcher& operator=(const BoxCatcher&) = delete;

    std::vector<fw::BoxRequest> boxes;
};

}  // namespace testing_support

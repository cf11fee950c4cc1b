// A rectangle as a layout gives it: left, top, width and height.
#pragma once

namespace fw {

struct Bounds {
    int left, top, width, height;
};

}  // namespace fw

// Multi-line text that only collects entries; the program keeps it hidden.
#pragma once

#include <string>

#include "framework/win/window.h"

namespace fw {

class Memo : public Window {
public:
    void create(HWND parent, const Placement& placement, bool visible);
    // Adds the text as a new entry (a new line) and repaints.
    void appendEntry(const std::string& text);
    // Every entry, each ended by CR LF.
    std::string contents() const { return text(); }
};

}  // namespace fw

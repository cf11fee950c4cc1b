// A top-level window that holds controls: fixed single border, system menu and minimise
// box, button-face background, one font for all its controls. It passes the controls'
// notifications back to them.
#pragma once

#include <string>

#include "framework/win/font.h"
#include "framework/win/window.h"

namespace fw {

class Form : public Window {
public:
    Form();
    HFONT font() const { return font_.handle(); }

    // Moves the window to the centre of the primary display: half the screen size less
    // half the outer window size, each halved by integer division.
    void centreOnScreen();

protected:
    void createForm(const char* className, const std::string& caption, int left, int top,
                    int clientWidth, int clientHeight);

    // Runs when the user closes the window, before it is destroyed.
    virtual void formClose() {}

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Font font_;
};

}  // namespace fw

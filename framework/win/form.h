// A top-level window that holds controls: fixed single border, system menu and minimise
// box, button-face background, one font for all its controls. Its client size, its
// controls' places and its font are designed at 96 dpi and scale with the window's dpi,
// when it is made and whenever Windows moves it to a display of another dpi. It passes
// its controls' notifications back to them and shows the errors that escape its handlers
// through its boxes.
#pragma once

#include <string>

#include "framework/win/boxes.h"
#include "framework/win/dpi.h"
#include "framework/win/font.h"
#include "framework/win/window.h"

namespace fw {

class Form : public Window {
public:
    explicit Form(Boxes& boxes) : boxes_(boxes) {}
    HFONT font() const { return font_.handle(); }
    Dpi dpi() const { return dpi_; }
    Boxes& boxes() const { return boxes_; }

    // Moves the window to the centre of the primary display: half the screen size less
    // half the outer window size, each halved by integer division.
    void centreOnScreen();

    // While one lives, the form is busy with a command that holds its thread: a request to
    // close it is held and carried out when the last one ends.
    class Busy {
    public:
        explicit Busy(Form& form);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        Form& form_;
    };
    bool busy() const { return busy_ > 0; }

protected:
    struct Design {
        const char* className;
        std::string caption;
        int left, top;  // the outer window's place, in pixels of the screen
        int clientWidth, clientHeight;  // at 96 dpi
        const char* fontFace;
        int fontHeight;  // at 96 dpi
        HWND owner = nullptr;  // none: the application's task-bar window
        bool minimizeBox = true;
    };
    void createForm(const Design& design);

    // Runs once when the window closes, however that happens (its close button, Alt+F4,
    // the task bar, WM_CLOSE from another program, the end of the session), before it is
    // destroyed.
    virtual void formClose() {}

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void reportError() override;

private:
    RECT outerRect(int left, int top) const;
    void moveTo(const RECT& outer);
    void fitClientArea();
    void takeDpi(Dpi dpi);
    void onDpiChanged(Dpi dpi, const RECT& suggested);
    void closeOnce();
    void onActivate(WORD state);

    Boxes& boxes_;
    Dpi dpi_;
    Font font_;
    const char* fontFace_ = nullptr;
    int designFontHeight_ = 0;
    int designClientWidth_ = 0;
    int designClientHeight_ = 0;
    DWORD style_ = 0;
    int busy_ = 0;
    bool closeHeld_ = false;
    bool closed_ = false;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window went inactive
};

}  // namespace fw

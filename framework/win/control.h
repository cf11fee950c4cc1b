// Base of the controls: a child window of one of Windows' own classes, owned by the
// object. The parent form passes the control's notifications back to it.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

struct Bounds {
    int left, top, width, height;
};

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND hwnd() const { return hwnd_; }

    std::string text() const;
    void setText(const std::string& text);
    void setEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void setFocus() { SetFocus(hwnd_); }
    HFONT font() const { return reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)); }

    // The control object behind a window handle, or null when it is not one of ours.
    static Control* fromHandle(HWND hwnd);

    // Notifications routed by the parent form.
    virtual void handleCommand(WORD /*notification*/) {}
    virtual bool handleDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool handleMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    // Enter pressed while the control has the focus; true when it acted on it.
    virtual bool handleEnterKey() { return false; }

protected:
    void create(HWND parent, const char* className, const std::string& text, DWORD style,
                DWORD exStyle, const Bounds& bounds, HFONT font);

private:
    HWND hwnd_ = nullptr;
};

}  // namespace fw

// The base of every window of the program, top-level or child: the object owns its HWND and
// sees its messages from creation to WM_NCDESTROY, after which hwnd() is null.
//  - A window of a class of our own gets `this` through CreateWindowEx's last argument and
//    binds it at WM_NCCREATE.
//  - A native control (one of Windows' own classes) is subclassed right after creation
//    (SetWindowSubclass), so the same object receives its messages.
// A parent passes its children's notifications back to them through reflectToChild(), and
// each control acts on them in handleReflected(). Creation failures raise a framework error.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/win/bounds.h"
#include "framework/win/dpi.h"

namespace fw {

// Where a child window stands: its id in the parent, and its rectangle at 96 dpi.
struct Placement {
    int id;
    Bounds bounds;
};

class Window {
public:
    Window() = default;
    // Destroys the window when it still exists.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

    // The object behind a handle made through this base; null for any other window.
    static Window* fromHandle(HWND hwnd);

    std::string text() const;
    void setText(const std::string& text);
    void setEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void setFocus() { SetFocus(hwnd_); }
    HFONT font() const { return reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)); }
    // A child's place as its parent's layout gives it.
    const Placement& placement() const { return placement_; }

    // Puts a child at its placement scaled to the dpi, in the font.
    virtual void applyPlacement(Dpi dpi, HFONT font);

    // Sees a message of the event loop before it is dispatched (the main window sees every
    // message of its thread); true when it acted on it and the message goes no further.
    virtual bool preTranslateMessage(const MSG& /*message*/) { return false; }

    // A notification about this window that its parent passed on (WM_COMMAND, WM_NOTIFY,
    // WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*): the result when the window acted on it.
    virtual std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // A window of a class of our own, registered on first use. A parent of a top-level
    // window is its owner.
    struct OwnClass {
        const char* name;
        HBRUSH background;
        UINT style = 0;  // CS_DBLCLKS for a window that takes double-clicks
    };
    void createOwn(const OwnClass& windowClass, DWORD exStyle, const std::string& caption, DWORD style,
                   const RECT& rect, HWND parent, int id = 0);
    // A child of our own class at its placement, scaled to the parent's dpi.
    void createOwnChild(const OwnClass& windowClass, HWND parent, const Placement& placement, DWORD style);
    // A native control at its placement, scaled to the parent's dpi, in the parent's font.
    void createControl(const char* className, HWND parent, const Placement& placement,
                       const std::string& text, DWORD style, DWORD exStyle);

    // The window's rectangle for its placement's bounds at a dpi; controls whose size
    // follows their content, or that need room beyond the bounds, say so here.
    virtual Bounds windowBounds(const Bounds& scaled, Dpi dpi) const;

    // Handles one message; the default is the window's class behaviour.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    // For a control's one event on a WM_COMMAND notification: fires it (when set) and answers
    // that it was handled; none for any other message or notification.
    static std::optional<LRESULT> fireOnCommand(UINT message, WPARAM wParam, WORD notification,
                                                const std::function<void()>& event);

    // For a control that acts on Enter itself rather than leaving it to the dialog
    // navigation: asks for the key (WM_GETDLGCODE) and calls act() when it comes
    // (WM_KEYDOWN). None for any other message.
    std::optional<LRESULT> handleEnterKey(UINT message, WPARAM wParam, LPARAM lParam, const std::function<void()>& act);

    // Shows the error that escaped one of this window's handlers, which is being handled in
    // the calling catch block. The default passes it to the top-level window it belongs to.
    virtual void reportError();

    // Passes a notification that a parent received about one of its children to that child's
    // object; none when it is not such a notification, or not about one of ours.
    std::optional<LRESULT> reflectToChild(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK ownWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR self);
    void attach(HWND hwnd);
    void detach();
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
    Placement placement_{0, {0, 0, 0, 0}};
};

}  // namespace fw

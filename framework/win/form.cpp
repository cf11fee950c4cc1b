#include "framework/win/form.h"

#include <vector>

#include "framework/win/application.h"

namespace fw {
namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

std::vector<Window*> childObjects(HWND parent)
{
    std::vector<Window*> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (Window* window = Window::fromHandle(child))
            children.push_back(window);
    return children;
}

}  // namespace

void Form::createForm(const Design& design)
{
    fontFace_ = design.fontFace;
    designFontHeight_ = design.fontHeight;
    designClientWidth_ = design.clientWidth;
    designClientHeight_ = design.clientHeight;
    style_ = design.minimizeBox ? kFormStyle : kFormStyle & ~WS_MINIMIZEBOX;
    takeDpi(systemDpi());
    createOwn({design.className, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)}, kFormExStyle, design.caption, style_,
              outerRect(design.left, design.top), design.owner ? design.owner : Application::instance().handle());
    // A display of its own dpi: Windows tells the window, not the program.
    const Dpi windowDpi = dpiOf(hwnd());
    if (!(windowDpi == dpi_)) {
        RECT now;
        GetWindowRect(hwnd(), &now);
        takeDpi(windowDpi);
        moveTo(outerRect(now.left, now.top));
    }
    fitClientArea();
}

RECT Form::outerRect(int left, int top) const
{
    const RECT frame = outerRectFor(dpi_.scale(designClientWidth_), dpi_.scale(designClientHeight_), style_,
                                    kFormExStyle, dpi_);
    return {left, top, left + frame.right - frame.left, top + frame.bottom - frame.top};
}

void Form::takeDpi(Dpi dpi)
{
    Font font(fontFace_, dpi.scale(designFontHeight_));
    dpi_ = dpi;
    font_ = std::move(font);
}

void Form::moveTo(const RECT& outer)
{
    SetWindowPos(hwnd(), nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::fitClientArea()
{
    // The frame Windows draws may differ from the one it computed (another dpi for the frame
    // than for the client area): the client area's size is what counts.
    RECT client, outer;
    GetClientRect(hwnd(), &client);
    GetWindowRect(hwnd(), &outer);
    const int wider = dpi_.scale(designClientWidth_) - client.right;
    const int higher = dpi_.scale(designClientHeight_) - client.bottom;
    if (wider != 0 || higher != 0)
        moveTo({outer.left, outer.top, outer.right + wider, outer.bottom + higher});
}

void Form::onDpiChanged(Dpi dpi, const RECT& suggested)
{
    takeDpi(dpi);
    moveTo(outerRect(suggested.left, suggested.top));
    fitClientArea();
    const std::vector<Window*> children = childObjects(hwnd());
    // Every control has the new font before any measures text in it.
    for (Window* child : children)
        SendMessageA(child->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    for (Window* child : children)
        child->applyPlacement(dpi_, font());
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void Form::centreOnScreen()
{
    RECT window;
    GetWindowRect(hwnd(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Form::Busy::Busy(Form& form) : form_(form)
{
    ++form_.busy_;
}

Form::Busy::~Busy()
{
    if (--form_.busy_ == 0 && form_.closeHeld_) {
        form_.closeHeld_ = false;
        PostMessageA(form_.hwnd(), WM_CLOSE, 0, 0);
    }
}

void Form::closeOnce()
{
    if (closed_)
        return;
    closed_ = true;
    formClose();
}

void Form::onActivate(WORD state)
{
    // As a dialog does: the focus goes back to the control that had it, after a box or
    // another program was in front.
    if (state == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused && IsChild(hwnd(), focused))
            lastFocus_ = focused;
    } else if (lastFocus_ && IsChild(hwnd(), lastFocus_) && IsWindowEnabled(lastFocus_) &&
               IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
    }
}

void Form::reportError()
{
    boxes_.error(currentErrorMessage());
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const std::optional<LRESULT> handled = reflectToChild(message, wParam, lParam))
        return *handled;
    switch (message) {
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font());
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DPICHANGED:
        onDpiChanged(Dpi(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOMMAND:
        // The task-bar window carries the minimised application.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application::instance().mainWindow() == hwnd() &&
            Application::instance().minimize())
            return 0;
        break;
    case WM_ACTIVATE: {
        const LRESULT result = defaultHandling(message, wParam, lParam);
        if (!HIWORD(wParam))  // not while minimised
            onActivate(LOWORD(wParam));
        return result;
    }
    case WM_CLOSE:
        if (busy()) {
            closeHeld_ = true;
            return 0;
        }
        closeOnce();
        DestroyWindow(hwnd());
        return 0;
    case WM_ENDSESSION:
        if (wParam)
            closeOnce();
        return 0;
    case WM_DESTROY:
        closeOnce();  // destroyed without WM_CLOSE, with its owner say
        if (Application::instance().mainWindow() == hwnd())
            PostQuitMessage(0);
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

}  // namespace fw

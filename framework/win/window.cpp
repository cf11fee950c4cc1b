#include "framework/win/window.h"

#include <commctrl.h>

#include <vector>

#include "framework/error.h"
#include "framework/win/boxes.h"

namespace fw {
namespace {

constexpr char kObjectProperty[] = "VistrelWindow";
constexpr UINT_PTR kSubclassId = 1;

// The native control being made on this thread: Windows sends its parent WM_MEASUREITEM
// from inside CreateWindowEx, before the control can be subclassed.
thread_local Window* controlBeingMade = nullptr;

class ControlBeingMade {
public:
    explicit ControlBeingMade(Window* window) : previous_(controlBeingMade) { controlBeingMade = window; }
    ~ControlBeingMade() { controlBeingMade = previous_; }
    ControlBeingMade(const ControlBeingMade&) = delete;
    ControlBeingMade& operator=(const ControlBeingMade&) = delete;

private:
    Window* previous_;
};

HMENU idAsMenu(int id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

void registerOwnClass(const char* name, HBRUSH background, UINT style, WNDPROC procedure)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, name, &existing))
        return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw errors::cannotRegisterClass(name);
}

// The child window a notification to its parent is about, and the id it gives.
struct NotificationSource {
    HWND child = nullptr;
    int id = -1;
};

std::optional<NotificationSource> sourceOf(HWND parent, UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return NotificationSource{reinterpret_cast<HWND>(lParam)};
    case WM_NOTIFY:
        return NotificationSource{reinterpret_cast<const NMHDR*>(lParam)->hwndFrom};
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return std::nullopt;
        return NotificationSource{item->hwndItem, static_cast<int>(item->CtlID)};
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return std::nullopt;
        const int id = static_cast<int>(item->CtlID);
        return NotificationSource{GetDlgItem(parent, id), id};
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return NotificationSource{reinterpret_cast<HWND>(lParam)};
    default:
        return std::nullopt;
    }
}

}  // namespace

Window::~Window()
{
    if (!hwnd_)
        return;
    DestroyWindow(hwnd_);  // WM_NCDESTROY lets go of the handle
    if (hwnd_)
        detach();  // not destroyed (another thread's window): at least forget it
}

Window* Window::fromHandle(HWND hwnd)
{
    return hwnd ? static_cast<Window*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

std::string Window::text() const
{
    const int length = GetWindowTextLengthA(hwnd_);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(hwnd_, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Window::setText(const std::string& text)
{
    SetWindowTextA(hwnd_, text.c_str());
}

Bounds Window::windowBounds(const Bounds& scaled, Dpi /*dpi*/) const
{
    return scaled;
}

void Window::applyPlacement(Dpi dpi, HFONT font)
{
    if (font)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const Bounds b = windowBounds(dpi.scale(placement_.bounds), dpi);
    SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> Window::handleReflected(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return std::nullopt;
}

void Window::createOwn(const OwnClass& windowClass, DWORD exStyle, const std::string& caption, DWORD style,
                       const RECT& rect, HWND parent, int id)
{
    registerOwnClass(windowClass.name, windowClass.background, windowClass.style, ownWindowProc);
    const HWND made = CreateWindowExA(exStyle, windowClass.name, caption.c_str(), style, rect.left, rect.top,
                                      rect.right - rect.left, rect.bottom - rect.top, parent,
                                      (style & WS_CHILD) ? idAsMenu(id) : nullptr, GetModuleHandleA(nullptr), this);
    if (!made)
        throw errors::cannotCreateWindow(windowClass.name);
}

void Window::createOwnChild(const OwnClass& windowClass, HWND parent, const Placement& placement, DWORD style)
{
    placement_ = placement;
    const Dpi dpi = dpiOf(parent);
    const Bounds b = windowBounds(dpi.scale(placement.bounds), dpi);
    createOwn(windowClass, 0, "", style | WS_CHILD, {b.left, b.top, b.left + b.width, b.top + b.height}, parent,
              placement.id);
}

void Window::createControl(const char* className, HWND parent, const Placement& placement, const std::string& text,
                           DWORD style, DWORD exStyle)
{
    placement_ = placement;
    const Dpi dpi = dpiOf(parent);
    const Bounds b = windowBounds(dpi.scale(placement.bounds), dpi);
    HWND made;
    {
        ControlBeingMade making(this);
        made = CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD, b.left, b.top, b.width, b.height,
                               parent, idAsMenu(placement.id), GetModuleHandleA(nullptr), nullptr);
    }
    if (!made)
        throw errors::cannotCreateWindow(className);
    attach(made);
    if (!SetWindowSubclass(made, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(made);
        detach();
        throw errors::cannotCreateWindow(className);
    }
    subclassed_ = true;
    applyPlacement(dpi, reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)));
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return defaultHandling(message, wParam, lParam);
}

LRESULT Window::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
{
    return subclassed_ ? DefSubclassProc(hwnd_, message, wParam, lParam)
                       : DefWindowProcA(hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> Window::fireOnCommand(UINT message, WPARAM wParam, WORD notification,
                                             const std::function<void()>& event)
{
    if (message != WM_COMMAND || HIWORD(wParam) != notification)
        return std::nullopt;
    if (event)
        event();
    return 0;
}

std::optional<LRESULT> Window::handleEnterKey(UINT message, WPARAM wParam, LPARAM lParam, const std::function<void()>& act)
{
    if (wParam != VK_RETURN)
        return std::nullopt;
    if (message == WM_GETDLGCODE) {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = defaultHandling(message, wParam, lParam);
        return key && key->message == WM_KEYDOWN ? code | DLGC_WANTMESSAGE : code;
    }
    if (message == WM_KEYDOWN) {
        act();
        return 0;
    }
    return std::nullopt;
}

void Window::reportError()
{
    const HWND root = hwnd_ ? GetAncestor(hwnd_, GA_ROOT) : nullptr;
    if (Window* top = root && root != hwnd_ ? fromHandle(root) : nullptr) {
        top->reportError();
        return;
    }
    MessageBoxes().error(currentErrorMessage());
}

std::optional<LRESULT> Window::reflectToChild(UINT message, WPARAM wParam, LPARAM lParam)
{
    const std::optional<NotificationSource> source = sourceOf(hwnd_, message, lParam);
    if (!source)
        return std::nullopt;
    Window* child = fromHandle(source->child);
    if (!child && message == WM_MEASUREITEM && controlBeingMade && controlBeingMade->placement_.id == source->id)
        child = controlBeingMade;
    if (!child || child == this)
        return std::nullopt;
    return child->handleReflected(message, wParam, lParam);
}

void Window::attach(HWND hwnd)
{
    hwnd_ = hwnd;
    SetPropA(hwnd, kObjectProperty, this);
}

void Window::detach()
{
    RemovePropA(hwnd_, kObjectProperty);
    if (subclassed_)
        RemoveWindowSubclass(hwnd_, subclassProc, kSubclassId);
    subclassed_ = false;
    hwnd_ = nullptr;
}

LRESULT Window::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return handleMessage(message, wParam, lParam);
    } catch (...) {
        // Never through Windows' own frames: shown here, and the program goes on.
        try {
            reportError();
        } catch (...) {
        }
        return 0;
    }
}

LRESULT CALLBACK Window::ownWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self = fromHandle(hwnd);
    if (!self && message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self)
            self->attach(hwnd);
    }
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    const LRESULT result = self->dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        self->detach();
    return result;
}

LRESULT CALLBACK Window::subclassProc(HWND /*hwnd*/, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                      DWORD_PTR object)
{
    Window* self = reinterpret_cast<Window*>(object);
    const LRESULT result = self->dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        self->detach();
    return result;
}

}  // namespace fw

#include "tests/e2e/driver/main_window.h"

#include <stdexcept>

#include "tests/e2e/driver/window_search.h"

namespace e2e {
namespace {

// The program's own texts, code page 936.
constexpr char kButtonSnapText[] = "立即抓图";
constexpr char kButtonDesktopText[] = "抓图存到桌面";

// Where the controls stand in the client area.
constexpr POINT kEditSnapNameAt{24, 40};
constexpr POINT kLabelPathAt{8, 80};
constexpr POINT kLabel2At{8, 464};

bool at(HWND control, POINT place)
{
    const POINT p = positionInParent(control);
    return p.x == place.x && p.y == place.y;
}

bool sameClass(const std::string& kind, const char* expected)
{
    return lstrcmpiA(kind.c_str(), expected) == 0;
}

void require(HWND control, const char* name)
{
    if (!control)
        throw std::runtime_error(std::string("the main window has no ") + name);
}

}  // namespace

MainWindow::MainWindow(HWND window) : window_(window)
{
    for (HWND child : childrenOf(window)) {
        const std::string kind = className(child);
        if (sameClass(kind, "Button")) {
            const std::string text = controlText(child);
            if (text == kButtonSnapText)
                buttonSnap_ = child;
            else if (text == kButtonDesktopText)
                buttonDesktop_ = child;
        } else if (sameClass(kind, "Edit") && at(child, kEditSnapNameAt)) {
            editSnapName_ = child;
        } else if (sameClass(kind, "Static") && at(child, kLabelPathAt)) {
            labelPath_ = child;
        } else if (sameClass(kind, "Static") && at(child, kLabel2At)) {
            label2_ = child;
        }
    }
    require(buttonSnap_, "ButtonSnap");
    require(buttonDesktop_, "ButtonDesktop");
    require(editSnapName_, "EditSnapName");
    require(labelPath_, "LabelPath");
    require(label2_, "Label2");
}

std::string MainWindow::caption() const { return controlText(window_); }
std::string MainWindow::prefix() const { return controlText(editSnapName_); }
std::string MainWindow::folderLabel() const { return controlText(labelPath_); }
std::string MainWindow::status() const { return controlText(label2_); }

void MainWindow::click(HWND button) const
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

void MainWindow::typePrefix(const std::string& text) const
{
    // Sent, not posted: each keystroke and the change handler it fires are done on return.
    const auto key = [&](unsigned char c) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(editSnapName_, WM_CHAR, c, 0, SMTO_NORMAL, 10000, &ignored);
    };
    SendMessageA(editSnapName_, EM_SETSEL, 0, -1);
    key(VK_BACK);
    for (const char c : text)
        key(static_cast<unsigned char>(c));
}

bool MainWindow::settle(DWORD timeoutMs) const
{
    // A sent message is handled where the thread next looks for messages: after a handler
    // that shows no box, that is its event loop.
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

}  // namespace e2e

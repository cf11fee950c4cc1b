#include "tests/e2e/driver/main_window.h"

#include <stdexcept>

#include "tests/e2e/driver/window_search.h"
#include "ui/formmain_layout.h"

namespace e2e {
namespace {

HWND control(HWND window, const fw::Placement& placement, const char* name)
{
    const HWND found = GetDlgItem(window, placement.id);
    if (!found)
        throw std::runtime_error(std::string("the main window has no ") + name);
    return found;
}

}  // namespace

MainWindow::MainWindow(HWND window)
    : window_(window),
      buttonSnap_(control(window, ui::layout::kButtonSnap, "ButtonSnap")),
      buttonDesktop_(control(window, ui::layout::kButtonDesktop, "ButtonDesktop")),
      editSnapName_(control(window, ui::layout::kEditSnapName, "EditSnapName")),
      labelPath_(control(window, ui::layout::kLabelPath, "LabelPath")),
      label2_(control(window, ui::layout::kLabel2, "Label2"))
{
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

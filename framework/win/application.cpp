#include "framework/win/application.h"

#include <exception>

#include "framework/error.h"
#include "framework/win/control.h"
#include "framework/win/taskbar_window.h"

namespace fw {

Application& Application::instance()
{
    static Application application;
    return application;
}

Application::Application() = default;
Application::~Application() = default;

void Application::initialize()
{
    if (taskbar_)
        return;
    taskbar_ = std::make_unique<TaskbarWindow>();
    taskbar_->create(title_);
}

HWND Application::handle() const
{
    return taskbar_ ? taskbar_->hwnd() : nullptr;
}

bool Application::minimize()
{
    if (!taskbar_)
        return false;
    taskbar_->minimize();
    return true;
}

void Application::setTitle(const std::string& title)
{
    title_ = title;
    if (taskbar_)
        taskbar_->setTitle(title);
}

void Application::run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        try {
            // Enter acts on the focused control (presses a button, enters a folder) before
            // the dialog navigation below would take it.
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN)
                if (Control* control = Control::fromHandle(msg.hwnd))
                    if (control->handleEnterKey())
                        continue;
            // Tab and the arrow keys move between the main window's controls.
            if (mainWindow_ && IsDialogMessageA(mainWindow_, &msg))
                continue;
        } catch (...) {
            showCurrentException();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Application::showCurrentException()
{
    try {
        throw;
    } catch (const Error& e) {
        showError(e.message());
    } catch (...) {
        // Anything that is not the framework's own error shows as an empty one.
        showError(Error("").message());
    }
}

namespace {

std::function<void(const BoxRequest&)>& boxHandler()
{
    static std::function<void(const BoxRequest&)> handler;
    return handler;
}

HWND boxOwner()
{
    const HWND main = Application::instance().mainWindow();
    return main && IsWindowVisible(main) ? main : nullptr;
}

void showBox(const std::string& text, UINT style)
{
    const std::string& caption = Application::instance().title();
    if (boxHandler())
        boxHandler()({caption, text, style});
    else
        MessageBoxA(boxOwner(), text.c_str(), caption.c_str(), style);
}

}  // namespace

void setBoxHandler(std::function<void(const BoxRequest&)> handler)
{
    boxHandler() = std::move(handler);
}

void showMessage(const std::string& text)
{
    showBox(text, MB_OK);
}

std::string errorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

void showError(const std::string& message)
{
    showBox(errorBoxText(message), MB_OK | MB_ICONSTOP);
}

}  // namespace fw

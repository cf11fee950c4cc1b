#include "framework/win/application.h"

#include <exception>

#include "framework/error.h"

namespace fw {

Application& Application::instance()
{
    static Application application;
    return application;
}

void Application::setTitle(const std::string& title)
{
    title_ = title;
}

void Application::run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Dialog navigation: Tab between controls, Enter presses the default button.
        if (mainWindow_ && IsDialogMessageA(mainWindow_, &msg))
            continue;
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

HWND boxOwner()
{
    const HWND main = Application::instance().mainWindow();
    return main && IsWindowVisible(main) ? main : nullptr;
}

}  // namespace

void showMessage(const std::string& text)
{
    MessageBoxA(boxOwner(), text.c_str(), Application::instance().title().c_str(), MB_OK);
}

std::string errorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

void showError(const std::string& message)
{
    MessageBoxA(boxOwner(), errorBoxText(message).c_str(), Application::instance().title().c_str(),
                MB_OK | MB_ICONSTOP);
}

}  // namespace fw

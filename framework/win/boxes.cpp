#include "framework/win/boxes.h"

#include "framework/error.h"
#include "framework/win/application.h"

namespace fw {
namespace {

HWND boxOwner()
{
    const HWND main = Application::instance().mainWindow();
    return main && IsWindowVisible(main) ? main : nullptr;
}

}  // namespace

void MessageBoxes::message(const std::string& text)
{
    show(Application::instance().title(), text, MB_OK);
}

void MessageBoxes::error(const std::string& message)
{
    show(Application::instance().title(), errorBoxText(message), MB_OK | MB_ICONSTOP);
}

void MessageBoxes::show(const std::string& caption, const std::string& text, UINT style)
{
    MessageBoxA(boxOwner(), text.c_str(), caption.c_str(), style);
}

std::string errorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

std::string currentErrorMessage()
{
    try {
        throw;
    } catch (const Error& e) {
        return e.message();
    } catch (...) {
        return {};  // anything that is not the framework's own error shows as an empty one
    }
}

}  // namespace fw

#include "framework/win/application.h"

#include "framework/win/taskbar_window.h"
#include "framework/win/window.h"

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
    auto taskbar = std::make_unique<TaskbarWindow>();
    taskbar->create(title_, [this] { return mainWindow_; });
    taskbar_ = std::move(taskbar);
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
        taskbar_->setText(title);
}

void Application::run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (Window* main = Window::fromHandle(mainWindow_); main && main->preTranslateMessage(msg))
            continue;
        if (mainWindow_ && IsDialogMessageA(mainWindow_, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace fw

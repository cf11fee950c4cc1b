// The application object: its title, its task-bar window, its main window and the event
// loop.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace fw {

class TaskbarWindow;

class Application {
public:
    static Application& instance();

    // Makes the application's task-bar window, which owns every form made afterwards.
    void initialize();
    // The task-bar window; null before initialize().
    HWND handle() const;
    // Minimises the application to its task-bar button; false before initialize().
    bool minimize();

    // The title is the task-bar text and the caption of every message and error box.
    void setTitle(const std::string& title);
    const std::string& title() const { return title_; }

    void setMainWindow(HWND window) { mainWindow_ = window; }
    HWND mainWindow() const { return mainWindow_; }

    // Runs the event loop until the main window is destroyed. Tab and the arrow keys move
    // between the main window's controls; each control takes the keys it wants itself.
    void run();

private:
    Application();
    ~Application();
    std::string title_;
    std::unique_ptr<TaskbarWindow> taskbar_;
    HWND mainWindow_ = nullptr;
};

}  // namespace fw

// The application object: its title, its main window, the event loop, and the two boxes
// through which the program reports to the user.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace fw {

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

    // Runs the event loop until the main window is destroyed. An error escaping a handler
    // is caught here, shown in the error box, and the loop goes on.
    void run();

    // Shows the error box for whatever is being handled in the calling catch block.
    void showCurrentException();

private:
    Application();
    ~Application();
    std::string title_;
    std::unique_ptr<class TaskbarWindow> taskbar_;
    HWND mainWindow_ = nullptr;
};

// A box as the program asked for it: caption, text and MessageBox style.
struct BoxRequest {
    std::string caption;
    std::string text;
    UINT style;
};
// For tests of code that reports through boxes: while a handler is set, boxes are handed
// to it instead of being shown. An empty handler shows them again.
void setBoxHandler(std::function<void(const BoxRequest&)> handler);

// Message box: the text, one OK button, no icon, the title as caption.
void showMessage(const std::string& text);

// Error box: stop icon, the title as caption, one OK button; a full stop is appended when
// the message's last character sorts after ".".
void showError(const std::string& message);

// The text the error box shows for a message.
std::string errorBoxText(const std::string& message);

}  // namespace fw

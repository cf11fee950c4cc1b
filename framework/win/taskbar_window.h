// The application's own window: it carries the title on the task bar and owns the main
// window, so that the task bar says the application's name while the main window's
// caption says what it is. It has no size; activating it activates the main window (or
// the box in front of it); minimising the main window minimises this one instead, and
// restoring this one brings the main window back.
#pragma once

#include <functional>
#include <string>

#include "framework/win/window.h"

namespace fw {

class TaskbarWindow : public Window {
public:
    // mainWindow tells the application's main window whenever it is needed.
    void create(const std::string& title, std::function<HWND()> mainWindow);
    // Hides the main window and minimises the application to its task-bar button.
    void minimize();

protected:
    void showMainWindow();
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<HWND()> mainWindow_;
};

}  // namespace fw

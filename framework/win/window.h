// Base of our own window classes: owns its HWND and routes its messages to a member
// function. The object pointer travels through CreateWindowEx's last argument and is
// stored at WM_NCCREATE.
#pragma once

#include <windows.h>

namespace fw {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers the class on first use and creates the window. A parent of a top-level
    // window is its owner.
    void createWindow(const char* className, DWORD exStyle, const char* caption, DWORD style,
                      int x, int y, int width, int height, HWND parent, HBRUSH background);

    // Handles one message; the default passes it to DefWindowProc. An error escaping it
    // is shown in the error box, never passed through Windows' frames.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace fw

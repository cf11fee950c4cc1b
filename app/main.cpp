// Entry point: names the application, creates the main window and runs the event loop.
#include <windows.h>
#include <commctrl.h>

#include "framework/win/application.h"
#include "framework/win/boxes.h"
#include "framework/win/dll_search.h"
#include "ui/formmain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    fw::limitDllSearchToSystem32();
    fw::Application& application = fw::Application::instance();
    fw::MessageBoxes boxes;
    try {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        application.initialize();
        application.setTitle("Vistrel 1.2");
        TForm_Main form({boxes});
        application.setMainWindow(form.hwnd());
        form.show();
        application.run();
    } catch (...) {
        boxes.error(fw::currentErrorMessage());
    }
    return 0;
}

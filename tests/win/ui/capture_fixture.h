// The main window with a simulated handheld behind it, a clean staging folder and a folder
// of its own for the pictures.
#pragma once

#include <windows.h>

#include <string>

#include "tests/win/support/temp_folder.h"
#include "tests/win/ui/form_fixture.h"

class CaptureTest : public FormMainTest {
protected:
    void SetUp() override
    {
        FormMainTest::SetUp();
        handheld("");
        testing_support::removeTree("c:\\temp");
        DeleteFileA("c:\\temp");
        shots = folder().makeSubfolder("shots");
        testing_support::plantValue("snappath", REG_SZ, sz(shots));
    }

    void TearDown() override
    {
        handheld("");
        FormMainTest::TearDown();
    }

    // The simulated handheld the loader finds.
    static void handheld(const char* items) { SetEnvironmentVariableA("VISTREL_HANDHELD", items); }

    // A press of the capture button, as the window delivers it.
    void pressCapture()
    {
        const HWND button = form->ButtonSnap.hwnd();
        SendMessageA(form->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }

    std::string shot(const std::string& name) const { return shots + "\\" + name; }

    std::string shots;
};

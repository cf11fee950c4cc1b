// A form shown modal to its owner: the owner takes no input until the dialog ends. Enter
// presses the button with id IDOK, Esc the one with IDCANCEL, as in Windows' own dialogs;
// closing the dialog is Cancel.
#pragma once

#include "framework/win/form.h"

namespace fw {

class Dialog : public Form {
public:
    using Form::Form;

    // Shows the dialog and runs its messages until end(); answers the result given to it
    // (IDCANCEL when the program is asked to quit meanwhile).
    int runModal(HWND owner);

protected:
    void end(int result);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool ended_ = false;
    int result_ = IDCANCEL;
};

}  // namespace fw

// The dialog that asks for a locked handheld's password: a prompt, a masked edit, OK and
// Cancel.
#pragma once

#include <optional>

#include "framework/win/controls/button.h"
#include "framework/win/controls/edit.h"
#include "framework/win/controls/label.h"
#include "framework/win/dialog.h"
#include "framework/win/secret_text.h"

namespace ui {

// Where the main window gets a password when the handheld asks for one; tests bring their own.
class PasswordAsker {
public:
    // The password the user gave, or none when they cancelled. again: the last one was wrong.
    virtual std::optional<fw::SecretText> askPassword(bool again) = 0;

protected:
    ~PasswordAsker() = default;
};

class PasswordDialog : public fw::Dialog {
public:
    PasswordDialog(fw::Boxes& boxes, HWND owner, bool again);

    // Runs the dialog modal to its owner: the password after OK, none after Cancel.
    std::optional<fw::SecretText> ask();

    fw::Label LabelPrompt;
    fw::Edit EditPassword;
    fw::Button ButtonOk;
    fw::Button ButtonCancel;

private:
    HWND owner_;
};

// Asks through the dialog, over the main window.
class PasswordDialogAsker : public PasswordAsker {
public:
    PasswordDialogAsker(fw::Boxes& boxes, const fw::Window& owner) : boxes_(boxes), owner_(owner) {}
    std::optional<fw::SecretText> askPassword(bool again) override;

private:
    fw::Boxes& boxes_;
    const fw::Window& owner_;
};

}  // namespace ui

#include "ui/password_dialog.h"

#include "framework/win/application.h"
#include "ui/formmain_texts.h"

namespace ui {
namespace {

// At 96 dpi, like the main window.
constexpr int kClientWidth = 280;
constexpr int kClientHeight = 100;
constexpr fw::Placement kLabelPrompt{100, {12, 12, 256, 13}};
constexpr fw::Placement kEditPassword{101, {12, 34, 256, 21}};
constexpr fw::Placement kButtonOk{IDOK, {112, 66, 75, 25}};
constexpr fw::Placement kButtonCancel{IDCANCEL, {193, 66, 75, 25}};

}  // namespace

PasswordDialog::PasswordDialog(fw::Boxes& boxes, HWND owner, bool again) : fw::Dialog(boxes), owner_(owner)
{
    RECT ownerRect{0, 0, 0, 0};
    if (owner)
        GetWindowRect(owner, &ownerRect);
    Design design{"VistrelPasswordDialog", fw::Application::instance().title(), ownerRect.left + 120,
                  ownerRect.top + 120, kClientWidth, kClientHeight, "MS Sans Serif", -11};
    design.owner = owner;
    design.minimizeBox = false;
    createForm(design);
    const HWND parent = hwnd();
    // Creation order is tab order: the edit has the focus first.
    EditPassword.create(parent, kEditPassword, "", true);
    ButtonOk.create(parent, kButtonOk, kPasswordTexts.ok);
    ButtonCancel.create(parent, kButtonCancel, kPasswordTexts.cancel);
    LabelPrompt.create(parent, kLabelPrompt, again ? kPasswordTexts.wrongPassword : kPasswordTexts.locked);
    ButtonOk.onClick = [this] { end(IDOK); };
    ButtonCancel.onClick = [this] { end(IDCANCEL); };
}

std::optional<fw::SecretText> PasswordDialog::ask()
{
    if (runModal(owner_) != IDOK)
        return std::nullopt;
    fw::SecretText password(EditPassword.text());
    EditPassword.setText(std::string(EditPassword.text().size(), ' '));  // the edit's copy goes too
    EditPassword.setText("");
    return password;
}

std::optional<fw::SecretText> PasswordDialogAsker::askPassword(bool again)
{
    PasswordDialog dialog(boxes_, owner_.hwnd(), again);
    return dialog.ask();
}

}  // namespace ui

#include "ui/formmain.h"

#include "capture/staging_folder.h"
#include "framework/win/shell_folders.h"
#include "ui/formmain_layout.h"
#include "ui/formmain_texts.h"

TForm_Main* Form_Main = nullptr;

namespace {

// Keeps a button disabled while it lives.
class DisabledButton {
public:
    explicit DisabledButton(fw::Button& button) : button_(button) { button_.setEnabled(false); }
    ~DisabledButton() { button_.setEnabled(true); }
    DisabledButton(const DisabledButton&) = delete;
    DisabledButton& operator=(const DisabledButton&) = delete;

private:
    fw::Button& button_;
};

}  // namespace

TForm_Main::TForm_Main(const FormMainServices& services)
    : fw::Form(services.boxes), storeWrites_(services.storeWrites), loaderBound_(services.loaderBound)
{
    namespace L = ui::layout;
    Form_Main = this;
    createForm({"TForm_Main", ui::kTexts.caption, L::kDesignedLeft, L::kDesignedTop, L::kClientWidth,
                L::kClientHeight, L::kFontFace, L::kFontHeight});
    createControls();
    try {
        FormCreate();
    } catch (...) {
        reportError();
    }
}

void TForm_Main::show()
{
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    ButtonSnap.setFocus();
}

void TForm_Main::createControls()
{
    namespace L = ui::layout;
    const ui::FormMainTexts& T = ui::kTexts;
    const HWND parent = hwnd();
    // Creation order is tab order.
    ButtonSnap.create(parent, L::kButtonSnap, T.buttonSnap);
    EditSnapName.create(parent, L::kEditSnapName, T.defaultPrefix);
    DriveComboBox1.create(parent, L::kDriveComboBox1);
    DirectoryListBox1.create(parent, L::kDirectoryListBox1);
    ButtonDesktop.create(parent, L::kButtonDesktop, T.buttonDesktop);
    Memo1.create(parent, L::kMemo1, false);
    Label1.create(parent, L::kLabel1, T.label1);
    LabelPath.create(parent, L::kLabelPath, "");
    Label2.create(parent, L::kLabel2, T.credit);
    Image1.create(parent, L::kImage1);

    DriveComboBox1.bind(DirectoryListBox1);
    DirectoryListBox1.setPathLabel(&LabelPath);

    ButtonSnap.onClick = [this] { ButtonSnapClick(); };
    ButtonDesktop.onClick = [this] { ButtonDesktopClick(); };
    EditSnapName.onChange = [this] { EditSnapNameChange(); };
    DirectoryListBox1.onChange = [this] { DirectoryListBox1Change(); };
}

void TForm_Main::FormCreate()
{
    {
        settings::SettingsStore store = openStore();
        if (store.has(settings::kSnapPath))
            DirectoryListBox1.setDirectory(store.readText(settings::kSnapPath));
        if (store.has(settings::kSnapName))
            EditSnapName.setEditText(store.readText(settings::kSnapName));
        // Read after the prefix: restoring a different prefix resets the count.
        captureCount_ = store.has(settings::kCount) ? store.readCount() : 0;
    }
    centreOnScreen();
}

void TForm_Main::FormClose()
{
    capture::deleteStagedFiles();
}

void TForm_Main::DirectoryListBox1Change()
{
    openStore().writeText(settings::kSnapPath, DirectoryListBox1.directory());
}

void TForm_Main::ButtonDesktopClick()
{
    const auto desktop = fw::desktopFolder();
    if (!desktop) {
        boxes().message(ui::kTexts.noDesktopFolder);
        return;
    }
    DirectoryListBox1.setDirectory(*desktop);
    // Stored here as well: the list fires no change event when it already showed it.
    openStore().writeText(settings::kSnapPath, DirectoryListBox1.directory());
}

void TForm_Main::EditSnapNameChange()
{
    openStore().writeText(settings::kSnapName, EditSnapName.text());
    captureCount_ = 0;
}

void TForm_Main::ButtonSnapClick()
{
    // The loader run lets messages that other programs send through: a capture requested
    // that way meanwhile is ignored, a close waits for the capture's end.
    if (busy())
        return;
    using Kind = capture::CaptureOutcome::Kind;
    const HWND focused = GetFocus();
    const auto outcome = [this] {
        const Busy busy(*this);
        // Disabled for the length of the capture and of the message it ends with.
        const DisabledButton hold(ButtonSnap);
        const capture::CaptureRequest request{DirectoryListBox1.directory(), EditSnapName.text(), captureCount_};
        capture::CaptureOutcome result = capture::captureScreen(request, *this, loaderBound_);
        ButtonSnap.dropQueuedClicks();  // requested while this capture ran
        if (result.kind == Kind::Saved)
            Label2.setCaption(result.text);
        else if (result.kind == Kind::Message)
            boxes().message(result.text);
        return result;
    }();
    // Disabling the button took the focus away; Enter and Space capture again.
    if (focused && (focused == hwnd() || IsChild(hwnd(), focused)))
        SetFocus(focused);
    if (outcome.kind == Kind::Error)
        boxes().error(outcome.text);
}

void TForm_Main::takeCaptureNumber(std::int32_t number)
{
    captureCount_ = number;
    openStore().writeCount(number);
}

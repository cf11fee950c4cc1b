#include "ui/formmain.h"

#include "capture/staging_folder.h"
#include "framework/text/path_parts.h"
#include "framework/win/clipboard.h"
#include "framework/win/file_system.h"
#include "framework/win/shell_folders.h"
#include "ui/formmain_layout.h"
#include "ui/formmain_texts.h"

TForm_Main* Form_Main = nullptr;

namespace {

constexpr int kCaptureKeyId = 1;

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
    : fw::Form(services.boxes),
      storeWrites_(services.storeWrites),
      loaderBound_(services.loaderBound),
      shell_(services.shell ? *services.shell : windowsShell_),
      drives_(services.drives ? services.drives : std::make_shared<fw::WindowsDrives>()),
      dialogAsker_(services.boxes, *this),
      passwords_(services.passwords ? *services.passwords : dialogAsker_)
{
    namespace L = ui::layout;
    Form_Main = this;
    createForm({"TForm_Main", ui::kTexts.caption, L::kDesignedLeft, L::kDesignedTop, L::kClientWidth,
                L::kClientHeight, L::kFontFace, L::kFontHeight});
    createControls();
    takeCaptureKey();
    try {
        FormCreate();
    } catch (...) {
        reportError();
    }
}

void TForm_Main::takeCaptureKey()
{
    captureKey_ = std::make_unique<fw::HotKey>(hwnd(), kCaptureKeyId, kCaptureKeyModifiers, kCaptureKey);
    if (!captureKey_->registered())
        Label2.setCaption(ui::kTexts.hotKeyTaken);
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
    DriveComboBox1.create(parent, L::kDriveComboBox1, drives_);
    DirectoryListBox1.create(parent, L::kDirectoryListBox1);
    ButtonDesktop.create(parent, L::kButtonDesktop, T.buttonDesktop);
    Memo1.create(parent, L::kMemo1, false);
    Label1.create(parent, L::kLabel1, T.label1);
    LabelPath.create(parent, L::kLabelPath, "");
    Label2.create(parent, L::kLabel2, T.credit);
    Image1.create(parent, L::kImage1);
    CheckBoxClipboard.create(parent, L::added::kCheckBoxClipboard, T.checkBoxClipboard);
    CheckBoxPng.create(parent, L::added::kCheckBoxPng, T.checkBoxPng);
    ButtonOpenFolder.create(parent, L::added::kButtonOpenFolder, T.buttonOpenFolder);

    DriveComboBox1.bind(DirectoryListBox1);
    DirectoryListBox1.setPathLabel(&LabelPath);

    ButtonSnap.onClick = [this] { ButtonSnapClick(); };
    ButtonDesktop.onClick = [this] { ButtonDesktopClick(); };
    EditSnapName.onChange = [this] { EditSnapNameChange(); };
    DirectoryListBox1.onChange = [this] { DirectoryListBox1Change(); };
    CheckBoxClipboard.onToggle = [this] { CheckBoxClipboardClick(); };
    CheckBoxPng.onToggle = [this] { CheckBoxPngClick(); };
    ButtonOpenFolder.onClick = [this] { ButtonOpenFolderClick(); };
    Image1.onDoubleClick = [this] { Image1DblClick(); };
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
        CheckBoxClipboard.setChecked(store.readFlag(settings::kClipboard));
        CheckBoxPng.setChecked(store.readFlag(settings::kPng));
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
        const capture::CaptureRequest request{DirectoryListBox1.directory(), EditSnapName.text(), captureCount_,
                                              CheckBoxPng.checked() ? fw::PictureFormat::Png : fw::PictureFormat::Jpeg};
        capture::CaptureOutcome result = captureAskingForThePassword(request);
        // Requested while this capture ran: by a click or by the capture key.
        ButtonSnap.dropQueuedClicks();
        MSG key;
        while (PeekMessageA(&key, hwnd(), WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) {
        }
        if (result.kind == Kind::Saved) {
            lastSaved_ = result.text;
            const bool copied = CheckBoxClipboard.checked() && copyToClipboard(preview_);
            Label2.setCaption(result.text + (copied ? ui::kTexts.copied : ""));
        } else if (result.kind == Kind::Message)
            boxes().message(result.text);
        return result;
    }();
    // Disabling the button took the focus away; Enter and Space capture again.
    if (focused && (focused == hwnd() || IsChild(hwnd(), focused)))
        SetFocus(focused);
    if (outcome.kind == Kind::Error)
        boxes().error(outcome.text);
}

capture::CaptureOutcome TForm_Main::captureAskingForThePassword(capture::CaptureRequest request)
{
    request.password = password_.text();
    capture::CaptureOutcome outcome = capture::captureScreen(request, *this, loaderBound_);
    // A locked handheld: the user's password, run once more for each OK. A password it
    // refuses is forgotten, so none is ever sent twice unasked (handhelds wipe themselves
    // after some wrong ones).
    while (outcome.kind == capture::CaptureOutcome::Kind::Locked) {
        const bool refused = !request.password.empty();
        password_.clear();
        SecureZeroMemory(request.password.data(), request.password.size());
        std::optional<fw::SecretText> typed = passwords_.askPassword(refused);
        if (!typed)
            break;  // cancelled: nothing more to say
        request.password = typed->text();
        outcome = capture::captureScreen(request, *this, loaderBound_);
        if (outcome.kind != capture::CaptureOutcome::Kind::Locked)
            password_ = std::move(*typed);
    }
    SecureZeroMemory(request.password.data(), request.password.size());
    return outcome;
}

void TForm_Main::showPreview(const fw::PixelImage& picture)
{
    Image1.setPicture(picture);
    preview_ = picture;
}

bool TForm_Main::copyToClipboard(const fw::PixelImage& picture)
{
    return fw::copyPictureToClipboard(hwnd(), picture);
}

void TForm_Main::CopyPreview()
{
    if (Image1.hasPicture())
        copyToClipboard(preview_);
}

void TForm_Main::CheckBoxClipboardClick()
{
    openStore().writeFlag(settings::kClipboard, CheckBoxClipboard.checked());
}

void TForm_Main::CheckBoxPngClick()
{
    openStore().writeFlag(settings::kPng, CheckBoxPng.checked());
}

void TForm_Main::ButtonOpenFolderClick()
{
    const std::string folder = DirectoryListBox1.directory();
    // The last picture is selected when it is still there, in the folder shown.
    const std::string withSeparator = !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
    const bool inFolder = !lastSaved_.empty() && fw::fileExists(lastSaved_) &&
                          fw::samePathText(fw::folderPart(lastSaved_, fw::isLeadByte), withSeparator);
    if (!shell_.showInFolder(folder, inFolder ? lastSaved_ : std::string()))
        boxes().message(ui::kTexts.cannotOpenFolder + folder);
}

void TForm_Main::Image1DblClick()
{
    if (!lastSaved_.empty() && !shell_.openFile(lastSaved_))
        boxes().message(ui::kTexts.cannotOpenFile + lastSaved_);
}

LRESULT TForm_Main::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOTKEY && wParam == kCaptureKeyId) {
        ButtonSnapClick();
        return 0;
    }
    return fw::Form::handleMessage(message, wParam, lParam);
}

bool TForm_Main::preTranslateMessage(const MSG& message)
{
    const bool controlC = message.message == WM_KEYDOWN && message.wParam == 'C' &&
                          (GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000);
    // The prefix box copies its own text; with no picture the clipboard stays as it was.
    if (!controlC || message.hwnd == EditSnapName.hwnd() || !Image1.hasPicture())
        return false;
    if (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd))
        return false;
    CopyPreview();
    return true;
}

void TForm_Main::takeCaptureNumber(std::int32_t number)
{
    captureCount_ = number;
    openStore().writeCount(number);
}

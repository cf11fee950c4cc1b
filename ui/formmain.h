// The main window: every control the user works with, and one handler per event.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "capture/capture_command.h"
#include "framework/win/boxes.h"
#include "framework/win/controls/button.h"
#include "framework/win/controls/check_box.h"
#include "framework/win/controls/directory_list_box.h"
#include "framework/win/controls/drive_combo_box.h"
#include "framework/win/drives.h"
#include "framework/win/controls/edit.h"
#include "framework/win/controls/label.h"
#include "framework/win/controls/memo.h"
#include "framework/win/controls/picture_box.h"
#include "framework/win/form.h"
#include "framework/win/hot_key.h"
#include "framework/win/shell.h"
#include "framework/win/secret_text.h"
#include "settings/settings_store.h"
#include "ui/password_dialog.h"

// What the main window works with besides its controls; tests bring their own.
struct FormMainServices {
    fw::Boxes& boxes;
    settings::WriteObserver* storeWrites = nullptr;
    std::chrono::milliseconds loaderBound = capture::kLoaderRunBound;  // how long a capture waits
    fw::Shell* shell = nullptr;  // none: the Windows shell
    ui::PasswordAsker* passwords = nullptr;  // none: the password dialog
    std::shared_ptr<const fw::Drives> drives = nullptr;  // none: the machine's own
};

class TForm_Main : public fw::Form, private capture::CaptureWindow {
public:
    // Creates the window at its designed position with all its controls, then runs
    // FormCreate. An error in FormCreate is shown and the window stays where it is.
    explicit TForm_Main(const FormMainServices& services);

    // Shows the window with the focus on ButtonSnap, first in tab order.
    void show();

    // Controls, in tab order first, then those the user does not tab to.
    fw::Button ButtonSnap;
    fw::Edit EditSnapName;
    fw::DriveComboBox DriveComboBox1;
    fw::DirectoryListBox DirectoryListBox1;
    fw::Button ButtonDesktop;
    fw::Memo Memo1;
    fw::Label Label1;
    fw::Label LabelPath;
    fw::Label Label2;
    fw::PictureBox Image1;
    fw::CheckBox CheckBoxClipboard;
    fw::CheckBox CheckBoxPng;
    fw::Button ButtonOpenFolder;

    void FormCreate();
    void FormClose();
    void DirectoryListBox1Change();
    void ButtonDesktopClick();
    void EditSnapNameChange();
    void ButtonSnapClick();
    void CheckBoxClipboardClick();
    void CheckBoxPngClick();
    void ButtonOpenFolderClick();
    void Image1DblClick();
    // Ctrl+C outside the prefix box: the preview's picture to the clipboard.
    void CopyPreview();

    std::int32_t captureCount() const { return captureCount_; }

    // Ctrl+Alt+H, from whatever program is in front.
    static constexpr UINT kCaptureKeyModifiers = MOD_CONTROL | MOD_ALT;
    static constexpr UINT kCaptureKey = 'H';

protected:
    void formClose() override { FormClose(); }
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool preTranslateMessage(const MSG& message) override;

private:
    void createControls();
    void takeCaptureKey();
    capture::CaptureOutcome captureAskingForThePassword(capture::CaptureRequest request);
    bool copyToClipboard(const fw::PixelImage& picture);
    settings::SettingsStore openStore() const { return settings::SettingsStore(storeWrites_); }

    // What the capture shows while it runs.
    capture::LoaderLog& loaderLog() override { return memoLog_; }
    void showPreview(const fw::PixelImage& picture) override;
    void takeCaptureNumber(std::int32_t number) override;

    // The loader's output goes into the hidden log, one entry per read.
    class MemoLog : public capture::LoaderLog {
    public:
        explicit MemoLog(fw::Memo& memo) : memo_(memo) {}
        void append(const std::string& text) override { memo_.appendEntry(text); }

    private:
        fw::Memo& memo_;
    };
    MemoLog memoLog_{Memo1};

    settings::WriteObserver* storeWrites_;
    std::chrono::milliseconds loaderBound_;
    fw::WindowsShell windowsShell_;
    fw::Shell& shell_;
    std::unique_ptr<fw::HotKey> captureKey_;
    std::shared_ptr<const fw::Drives> drives_;
    ui::PasswordDialogAsker dialogAsker_;
    ui::PasswordAsker& passwords_;
    // The locked handheld's password, for the rest of the session only: never stored, and
    // forgotten as soon as the handheld refuses it.
    fw::SecretText password_;
    fw::PixelImage preview_;    // the picture the preview shows
    std::string lastSaved_;     // the path of the last picture saved

    // The capture count: 0 at start, the stored number after FormCreate, back to 0 at each
    // change of prefix, one more at each capture that got a bitmap.
    std::int32_t captureCount_ = 0;
};

// The main window, set before its FormCreate runs.
extern TForm_Main* Form_Main;

#include "ui/formmain.h"

#include "capture/staged_files.h"
#include "framework/win/application.h"
#include "framework/win/shell_folders.h"
#include "settings/settings_store.h"
#include "ui/formmain_layout.h"
#include "ui/formmain_texts.h"

TForm_Main* Form_Main = nullptr;

TForm_Main::TForm_Main()
{
    Form_Main = this;
    createForm("TForm_Main", ui::texts::kCaption, ui::layout::kDesignedLeft, ui::layout::kDesignedTop,
               ui::layout::kClientWidth, ui::layout::kClientHeight);
    createControls();
    try {
        FormCreate();
    } catch (...) {
        fw::Application::instance().showCurrentException();
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
    namespace T = ui::texts;
    const HWND parent = hwnd();
    // Creation order is tab order.
    ButtonSnap.create(parent, T::kButtonSnap, L::kButtonSnap, font());
    EditSnapName.create(parent, T::kDefaultPrefix, L::kEditSnapName, font());
    DriveComboBox1.create(parent, L::kDriveComboBox1, font());
    DirectoryListBox1.create(parent, L::kDirectoryListBox1, font());
    ButtonDesktop.create(parent, T::kButtonDesktop, L::kButtonDesktop, font());
    Memo1.create(parent, L::kMemo1, font(), false);
    Label1.create(parent, T::kLabel1, L::kLabel1.left, L::kLabel1.top, font());
    LabelPath.create(parent, "", L::kLabelPath.left, L::kLabelPath.top, font());
    Label2.create(parent, T::kCredit, L::kLabel2.left, L::kLabel2.top, font());
    Image1.create(parent, L::kImage1.left, L::kImage1.top, L::kImage1.width, L::kImage1.height);

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
        settings::SettingsStore store;
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
    settings::SettingsStore store;
    store.writeText(settings::kSnapPath, DirectoryListBox1.directory());
}

void TForm_Main::ButtonDesktopClick()
{
    const auto desktop = fw::desktopFolder();
    if (!desktop) {
        fw::showMessage(ui::texts::kNoDesktopFolder);
        return;
    }
    DirectoryListBox1.setDirectory(*desktop);
    // Stored here as well: the list fires no change event when it already showed it.
    settings::SettingsStore store;
    store.writeText(settings::kSnapPath, DirectoryListBox1.directory());
}

void TForm_Main::EditSnapNameChange()
{
    {
        settings::SettingsStore store;
        store.writeText(settings::kSnapName, EditSnapName.text());
    }
    captureCount_ = 0;
}

void TForm_Main::ButtonSnapClick()
{
    capture::captureScreen(*this, loaderBoundMs);
}

void TForm_Main::storeCaptureCount(std::int32_t count)
{
    settings::SettingsStore store;
    store.writeCount(count);
}

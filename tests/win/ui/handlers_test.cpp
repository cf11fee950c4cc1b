#include <windows.h>

#include "framework/error.h"
#include "framework/win/shell_folders.h"
#include "tests/win/ui/form_fixture.h"

using testing_support::plantValue;

namespace {

void typeChar(HWND edit, char c)
{
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

TEST_F(FormMainTest, EveryKeystrokeStoresThePrefixAndRestartsTheCount)
{
    plantValue("jishu", REG_SZ, sz("4"));
    TForm_Main& f = open();
    ASSERT_EQ(f.captureCount(), 4);
    f.EditSnapName.setText("");
    EXPECT_EQ(stored("snapname"), sz(""));  // clearing stores an empty prefix
    EXPECT_EQ(f.captureCount(), 0);

    std::vector<std::string> seen;
    for (char c : std::string("abc")) {
        typeChar(f.EditSnapName.hwnd(), c);
        seen.push_back(stored("snapname"));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{sz("a"), sz("ab"), sz("abc")}));
    EXPECT_EQ(f.captureCount(), 0);
    EXPECT_EQ(stored("jishu"), sz("4"));  // the stored count waits for the next capture
}

TEST_F(FormMainTest, AFailedPrefixWriteIsReportedAndKeepsTheCount)
{
    plantValue("jishu", REG_SZ, sz("4"));
    TForm_Main& f = open();
    ASSERT_TRUE(testing_support::denyAccessToStoreKey());
    typeChar(f.EditSnapName.hwnd(), 'x');
    testing_support::restoreAccessToStoreKey();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Failed to set data for 'snapname'");
    EXPECT_EQ(f.captureCount(), 4);
}

TEST_F(FormMainTest, EnteringAFolderStoresIt)
{
    const std::string sub = folder().makeSubfolder("sub");
    TForm_Main& f = open();
    const HWND list = f.DirectoryListBox1.hwnd();
    // Select the subfolder, the last item, and press Enter on it.
    const LRESULT items = SendMessageA(list, LB_GETCOUNT, 0, 0);
    SendMessageA(list, LB_SETCURSEL, items - 1, 0);
    SetFocus(list);
    // Delivered as the event loop delivers keys: the dialog navigation sees it first.
    MSG enter{list, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    if (!IsDialogMessageA(f.hwnd(), &enter))
        DispatchMessageA(&enter);
    EXPECT_EQ(f.DirectoryListBox1.directory(), sub);
    EXPECT_EQ(fw::currentDirectory(), sub);
    EXPECT_EQ(stored("snappath"), sz(sub));
    EXPECT_EQ(writesOf("snappath"), 1);

    // Double-clicking the parent goes back up.
    SendMessageA(list, LB_SETCURSEL, items - 2, 0);
    SendMessageA(f.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(f.DirectoryListBox1.directory(), folder().path());
    EXPECT_EQ(stored("snappath"), sz(folder().path()));
}

TEST_F(FormMainTest, AFolderThatCannotBeEnteredKeepsTheListWhereItWas)
{
    TForm_Main& f = open();
    try {
        f.DirectoryListBox1.setDirectory(folder().path() + "\\gone");
        ADD_FAILURE() << "entered a missing folder";
    } catch (const fw::Error& e) {
        EXPECT_EQ(e.message(), "File not found");
    }
    EXPECT_EQ(f.DirectoryListBox1.directory(), folder().path());
    EXPECT_EQ(writesOf("snappath"), 0);
}

TEST_F(FormMainTest, TheDesktopButtonStoresTheDesktopOnceOrTwice)
{
    const auto desktop = fw::desktopFolder();
    ASSERT_TRUE(desktop.has_value());
    TForm_Main& f = open();
    SendMessageA(f.ButtonDesktop.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(f.DirectoryListBox1.directory(), *desktop);
    EXPECT_EQ(stored("snappath"), sz(*desktop));
    EXPECT_EQ(writesOf("snappath"), 2);  // by the change event and by the button

    writes.clear();
    SendMessageA(f.ButtonDesktop.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(writesOf("snappath"), 1);  // the list already showed it
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(FormMainTest, ChoosingADriveStoresThatDrivesCurrentFolder)
{
    // The test drive T: is made by the test set-up (a Wine drive letter on a temporary folder).
    ASSERT_NE(GetLogicalDrives() & (1u << ('T' - 'A')), 0u) << "drive T: is missing";
    TForm_Main& f = open();
    const HWND combo = f.DriveComboBox1.hwnd();
    const LRESULT index = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>("t:"));
    ASSERT_GE(index, 0);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(f.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(f.DirectoryListBox1.directory(), "T:\\");
    EXPECT_EQ(stored("snappath"), sz("T:\\"));
    EXPECT_EQ(f.DriveComboBox1.drive(), 'T');
}

}  // namespace

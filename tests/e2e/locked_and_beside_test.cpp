// A locked handheld asks for its password through the program's own dialog, and a loader put
// beside the program is the one that runs.
#include <windows.h>

#include <string>

#include "tests/e2e/driver/real_input.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/wait.h"
#include "tests/e2e/driver/window_search.h"
#include "tests/e2e/vistrel_case.h"
#include "tests/win/support/jpeg_facts.h"
#include "tests/win/support/temp_folder.h"
#include "ui/formmain_layout.h"

namespace {

constexpr char kLocked[] = "手持设备已锁定，请输入密码：";
constexpr int kPasswordEditId = 101;
constexpr int kPromptId = 100;

using LockedAndBeside = VistrelCase;

TEST_F(LockedAndBeside, ALockedHandheldAsksAndTheTypedPasswordSavesThePicture)
{
    store("snappath", kShots);
    e2e::MainWindow& w = start({.handheld = "password=s3cret"});
    w.click(w.buttonSnap());
    HWND dialog = nullptr;
    ASSERT_TRUE(e2e::waitUntil(20000, [&] {
        dialog = e2e::findTopLevelWindow(app->id(), "VistrelPasswordDialog");
        return dialog && IsWindowVisible(dialog);
    })) << "no password dialog";
    EXPECT_EQ(e2e::controlText(GetDlgItem(dialog, kPromptId)), kLocked);
    EXPECT_FALSE(IsWindowEnabled(w.window()));  // modal

    // Typed as a user types it: the edit has the focus, Enter is OK.
    SetForegroundWindow(dialog);
    ASSERT_TRUE(e2e::waitUntil(5000, [&] { return GetForegroundWindow() == dialog; }));
    e2e::typeKeys("s3cret");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kPasswordEditId), WM_GETTEXTLENGTH, 0, 0), 6);
    const std::string screenshot = std::string(VISTREL_E2E_SCREENSHOTS) + "/password-dialog.bmp";
    EXPECT_TRUE(e2e::saveWindowPicture(dialog, screenshot)) << screenshot;
    e2e::pressKey(VK_RETURN);

    EXPECT_TRUE(e2e::waitUntil(20000, [&] { return w.status() == shot("hhshot1.jpg"); })) << w.status();
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowEnabled(w.window()));
    EXPECT_EQ(folderListing(kShots), "hhshot1.jpg");
}

TEST_F(LockedAndBeside, ALoaderBesideTheProgramRunsInsteadOfTheOneItCarries)
{
    store("snappath", kShots);
    const testing_support::TempFolder copy("vistrel-copy");
    const std::string program = copy.path() + "\\Vistrel.exe";
    const std::string beside = copy.path() + "\\JavaLoader.exe";
    ASSERT_TRUE(CopyFileA(VISTREL_EXE, program.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(VISTREL_PROBE_LOADER, beside.c_str(), FALSE));

    e2e::MainWindow& w = start({.program = program});
    ASSERT_TRUE(capture().ended);
    EXPECT_EQ(w.status(), shot("hhshot1.jpg"));
    const testing_support::JpegFacts marker = testing_support::decodeJpegFile(shot("hhshot1.jpg"));
    EXPECT_EQ(marker.width, 7);  // the probe's marker picture
    EXPECT_EQ(marker.height, 5);
    // It ran from the staging folder, as the embedded loader does.
    EXPECT_NE(e2e::controlText(GetDlgItem(w.window(), ui::layout::kMemo1.id)).find("loader=c:\\temp\\JavaLoader.exe"),
              std::string::npos);

    ASSERT_TRUE(DeleteFileA(beside.c_str()));
    ASSERT_TRUE(capture().ended);
    EXPECT_EQ(testing_support::decodeJpegFile(shot("hhshot2.jpg")).width, 480);  // the embedded one again
    close();
}

}  // namespace

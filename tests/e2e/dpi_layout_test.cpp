// The main window on a display of 144 dots per inch: the layout, designed at 96 dpi, scales
// by one and a half.
#include <windows.h>

#include <string>

#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_search.h"
#include "tests/e2e/vistrel_case.h"
#include "ui/formmain_layout.h"

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

// The display's dpi as Wine takes it, for the programs started afterwards.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi)
    {
        DWORD size = sizeof(previous_);
        hadValue_ = RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &previous_,
                                 &size) == ERROR_SUCCESS;
        set(dpi);
    }
    ~LogPixels()
    {
        if (hadValue_)
            set(previous_);
        else
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
    }
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;

private:
    static void set(DWORD dpi)
    {
        RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof(dpi));
    }
    DWORD previous_ = 96;
    bool hadValue_ = false;
};

int at144(int designed)
{
    return MulDiv(designed, 144, 96);
}

using DpiLayout = VistrelCase;

TEST_F(DpiLayout, At144DpiEveryControlStandsAtItsDesignedRectangleTimesOneAndAHalf)
{
    // Rectangles in the program's own pixels, not mapped to this program's 96 dpi.
    SetProcessDPIAware();
    const LogPixels dpi(144);
    store("snappath", kShots);
    e2e::MainWindow& w = start();
    ASSERT_TRUE(w.settle());

    RECT client;
    GetClientRect(w.window(), &client);
    EXPECT_EQ(client.right, at144(ui::layout::kClientWidth));
    EXPECT_EQ(client.bottom, at144(ui::layout::kClientHeight));

    namespace L = ui::layout;
    enum Size { Whole, WidthOnly, FromText };  // the drive selector's height is its own
    const struct {
        const char* name;
        const fw::Placement& placement;
        Size size;
    } cases[] = {
        {"ButtonSnap", L::kButtonSnap, Whole},          {"EditSnapName", L::kEditSnapName, Whole},
        {"DriveComboBox1", L::kDriveComboBox1, WidthOnly}, {"DirectoryListBox1", L::kDirectoryListBox1, Whole},
        {"ButtonDesktop", L::kButtonDesktop, Whole},    {"Memo1", L::kMemo1, Whole},
        {"Label1", L::kLabel1, FromText},               {"LabelPath", L::kLabelPath, FromText},
        {"Label2", L::kLabel2, FromText},               {"Image1", L::kImage1, Whole},
        {"CheckBoxClipboard", L::added::kCheckBoxClipboard, Whole}, {"CheckBoxPng", L::added::kCheckBoxPng, Whole},
        {"ButtonOpenFolder", L::added::kButtonOpenFolder, Whole},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND control = GetDlgItem(w.window(), c.placement.id);
        ASSERT_TRUE(control);
        const RECT r = e2e::rectInParent(control);
        const fw::Bounds& b = c.placement.bounds;
        EXPECT_EQ(r.left, at144(b.left));
        EXPECT_EQ(r.top, at144(b.top));
        if (c.size != FromText) {
            EXPECT_EQ(r.right - r.left, at144(b.width));
        }
        if (c.size == Whole) {
            EXPECT_EQ(r.bottom - r.top, at144(b.height));
        }
        if (c.size == FromText) {
            EXPECT_GE(r.bottom - r.top, at144(13) - 3);  // the font has grown with the dpi
        }
    }
    // The folder list's rows and the width the path label is shortened to.
    EXPECT_EQ(SendMessageA(GetDlgItem(w.window(), L::kDirectoryListBox1.id), LB_GETITEMHEIGHT, 0, 0), at144(16));

    // Painted whole before the picture is taken.
    RedrawWindow(w.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ASSERT_TRUE(w.settle());
    const std::string screenshot = std::string(VISTREL_E2E_SCREENSHOTS) + "/at-144-dpi.bmp";
    EXPECT_TRUE(e2e::saveWindowPicture(w.window(), screenshot)) << screenshot;
}

}  // namespace

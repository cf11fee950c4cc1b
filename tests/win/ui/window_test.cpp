#include <windows.h>

#include "tests/win/ui/form_fixture.h"

namespace {

std::string className(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT clientRect(HWND parent, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool sameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

TEST_F(FormMainTest, TheWindowHasItsSizeCaptionAndBorder)
{
    TForm_Main& f = open();
    RECT client;
    GetClientRect(f.hwnd(), &client);
    EXPECT_EQ(client.right, 825);
    EXPECT_EQ(client.bottom, 503);
    char caption[128] = {};
    GetWindowTextA(f.hwnd(), caption, sizeof caption);
    // The caption's code page 936 bytes.
    EXPECT_EQ(std::string(caption),
              "BlackBerry\xC6\xC1\xC4\xBB\xD7\xA5\xCD\xBC\xB9\xA4\xBE\xDF-TOVEKA\xD7\xA8\xD3\xC3\xB0\xE6");
    const LONG style = GetWindowLongA(f.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetActiveWindow(), f.hwnd());
}

TEST_F(FormMainTest, TheTaskBarShowsTheTitleAndMinimisingHidesTheWindow)
{
    fw::Application::instance().initialize();
    const HWND application = fw::Application::instance().handle();
    TForm_Main& f = open();
    EXPECT_EQ(GetWindow(f.hwnd(), GW_OWNER), application);
    char caption[64] = {};
    GetWindowTextA(application, caption, sizeof caption);
    EXPECT_STREQ(caption, "Vistrel 1.2");
    RECT r;
    GetWindowRect(application, &r);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);

    SendMessageA(f.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(application));
    EXPECT_FALSE(IsWindowVisible(f.hwnd()));
    SendMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    testing_support::pumpMessages();
    EXPECT_FALSE(IsIconic(application));
    EXPECT_TRUE(IsWindowVisible(f.hwnd()));
    EXPECT_EQ(GetActiveWindow(), f.hwnd());
}

TEST_F(FormMainTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    TForm_Main& f = open();
    const struct {
        HWND window;
        const char* windowClass;
        RECT bounds;  // right/bottom of -1: sized to the text or by the control itself
        std::string text;
        bool visible;
    } cases[] = {
        {f.Label1.hwnd(), "Static", {16, 16, -1, -1}, "\xC9\xE8\xD6\xC3\xD7\xA5\xC8\xA1\xCD\xBC\xC6\xAC\xCE\xC4\xBC\xFE\xC3\xFB          ", true},
        {f.EditSnapName.hwnd(), "Edit", {24, 40, 145, 61}, "hhshot", true},
        {f.LabelPath.hwnd(), "Static", {8, 80, -1, -1}, f.LabelPath.caption(), true},
        {f.ButtonDesktop.hwnd(), "Button", {24, 104, 137, 129}, "\xD7\xA5\xCD\xBC\xB4\xE6\xB5\xBD\xD7\xC0\xC3\xE6", true},
        {f.ButtonSnap.hwnd(), "Button", {48, 144, 123, 169}, "\xC1\xA2\xBC\xB4\xD7\xA5\xCD\xBC", true},
        {f.Memo1.hwnd(), "Edit", {16, 168, 33, 185}, "", false},
        {f.DriveComboBox1.hwnd(), "ComboBox", {176, 16, 321, -1}, f.DriveComboBox1.text(), true},
        {f.DirectoryListBox1.hwnd(), "ListBox", {176, 40, 321, 177}, "", true},
        {f.Image1.hwnd(), "VistrelPictureBox", {336, 16, 817, 497}, "", true},
        {f.CheckBoxClipboard.hwnd(), "Button", {16, 200, 316, 217}, "\xD7\xA5\xCD\xBC\xBA\xF3\xB8\xB4\xD6\xC6\xB5\xBD\xBC\xF4\xCC\xF9\xB0\xE5", true},
        {f.CheckBoxPng.hwnd(), "Button", {16, 224, 316, 241}, "\xB1\xA3\xB4\xE6\xCE\xAA PNG\xA3\xA8\xCE\xDE\xCB\xF0\xA3\xA9", true},
        {f.ButtonOpenFolder.hwnd(), "Button", {24, 256, 137, 281}, "\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xBC\xD0", true},
        {f.Label2.hwnd(), "Static", {8, 464, -1, -1}, f.Label2.caption(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windowClass + std::string(" at ") + std::to_string(c.bounds.left) + "," +
                     std::to_string(c.bounds.top));
        EXPECT_EQ(className(c.window), c.windowClass);
        const RECT r = clientRect(f.hwnd(), c.window);
        EXPECT_EQ(r.left, c.bounds.left);
        EXPECT_EQ(r.top, c.bounds.top);
        if (c.bounds.right >= 0) {
            EXPECT_EQ(r.right, c.bounds.right);
        }
        if (c.bounds.bottom >= 0) {
            EXPECT_EQ(r.bottom, c.bounds.bottom);
        }
        char text[256] = {};
        GetWindowTextA(c.window, text, sizeof text);
        EXPECT_EQ(std::string(text), c.text);
        EXPECT_EQ(IsWindowVisible(c.window) != FALSE, c.visible);
    }
    EXPECT_EQ(SendMessageA(f.DirectoryListBox1.hwnd(), LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(f.DirectoryListBox1.directory(), folder().path());
}

TEST_F(FormMainTest, LabelsAreSizedToTheirText)
{
    TForm_Main& f = open();
    for (fw::Label* label : {&f.Label1, &f.LabelPath, &f.Label2}) {
        const SIZE size = fw::measureText(label->font(), label->caption());
        RECT r;
        GetWindowRect(label->hwnd(), &r);
        EXPECT_EQ(r.right - r.left, size.cx) << label->caption();
        EXPECT_EQ(r.bottom - r.top, size.cy) << label->caption();
    }
}

TEST_F(FormMainTest, TheFocusStartsOnTheCaptureButtonAndTabFollowsTheTabOrder)
{
    TForm_Main& f = open();
    EXPECT_EQ(GetFocus(), f.ButtonSnap.hwnd());
    // The controls added since the first window come after the first ones.
    const std::vector<HWND> order = {f.ButtonSnap.hwnd(),        f.EditSnapName.hwnd(),      f.DriveComboBox1.hwnd(),
                                     f.DirectoryListBox1.hwnd(), f.ButtonDesktop.hwnd(),     f.CheckBoxClipboard.hwnd(),
                                     f.CheckBoxPng.hwnd(),       f.ButtonOpenFolder.hwnd()};
    HWND at = order[0];
    for (std::size_t i = 1; i <= order.size(); ++i) {
        at = GetNextDlgTabItem(f.hwnd(), at, FALSE);
        EXPECT_EQ(at, order[i % order.size()]) << i;  // the hidden log is passed over
    }
}

TEST_F(FormMainTest, ThePathLabelShowsTheFolderShortenedToTheListWidth)
{
    const std::string deep = folder().makeSubfolder("a rather long folder name\\another long folder name\\last");
    testing_support::plantValue("snappath", REG_SZ, sz(deep));
    TForm_Main& f = open();
    const std::string shown = f.LabelPath.caption();
    EXPECT_LE(fw::measureText(f.LabelPath.font(), shown).cx, 145);
    EXPECT_NE(shown.find("...\\"), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 5), "\\last");
}

TEST_F(FormMainTest, MovingToADisplayOfAnotherDpiScalesTheLayoutAndMovingBackRestoresIt)
{
    TForm_Main& f = open();
    const auto dpiChanged = [&](int dpi) {
        RECT suggested;
        GetWindowRect(f.hwnd(), &suggested);
        SendMessageA(f.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    };
    const auto bounds = [&](HWND control) { return clientRect(f.hwnd(), control); };
    const RECT button = bounds(f.ButtonSnap.hwnd());
    const RECT label = bounds(f.Label2.hwnd());
    const RECT image = bounds(f.Image1.hwnd());

    dpiChanged(144);
    RECT client;
    GetClientRect(f.hwnd(), &client);
    EXPECT_EQ(client.right, 1238);  // 825 x 1.5, rounded
    EXPECT_EQ(client.bottom, 755);
    const RECT scaled = bounds(f.ButtonSnap.hwnd());
    EXPECT_EQ(scaled.left, 72);
    EXPECT_EQ(scaled.top, 216);
    EXPECT_EQ(scaled.right - scaled.left, 113);
    EXPECT_EQ(scaled.bottom - scaled.top, 38);
    EXPECT_EQ(bounds(f.Label2.hwnd()).top, 696);
    EXPECT_GT(bounds(f.Label2.hwnd()).bottom - 696, label.bottom - label.top);  // the font grew
    EXPECT_EQ(SendMessageA(f.DirectoryListBox1.hwnd(), LB_GETITEMHEIGHT, 0, 0), 24);
    EXPECT_EQ(f.dpi().value(), 144);

    dpiChanged(96);
    GetClientRect(f.hwnd(), &client);
    EXPECT_EQ(client.right, 825);
    EXPECT_EQ(client.bottom, 503);
    EXPECT_TRUE(sameRect(bounds(f.ButtonSnap.hwnd()), button));
    EXPECT_TRUE(sameRect(bounds(f.Label2.hwnd()), label));
    EXPECT_TRUE(sameRect(bounds(f.Image1.hwnd()), image));
    EXPECT_EQ(SendMessageA(f.DirectoryListBox1.hwnd(), LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace

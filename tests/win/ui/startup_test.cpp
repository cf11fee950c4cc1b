#include <windows.h>

#include "tests/win/support/file_bytes.h"
#include "tests/win/ui/form_fixture.h"

using testing_support::plantValue;

namespace {

POINT centredOrigin(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {GetSystemMetrics(SM_CXSCREEN) / 2 - (r.right - r.left) / 2,
            GetSystemMetrics(SM_CYSCREEN) / 2 - (r.bottom - r.top) / 2};
}

TEST_F(FormMainTest, FirstStartCreatesTheEmptyKeyAndShowsTheDefaults)
{
    TForm_Main& f = open();
    EXPECT_TRUE(testing_support::storeKeyExists());
    EXPECT_EQ(testing_support::storeKeyEntries(), 0u);
    EXPECT_EQ(f.DirectoryListBox1.directory(), folder().path());
    EXPECT_EQ(f.EditSnapName.text(), "hhshot");
    EXPECT_EQ(f.captureCount(), 0);
    const POINT origin = windowOrigin(f.hwnd());
    const POINT centred = centredOrigin(f.hwnd());
    EXPECT_EQ(origin.x, centred.x);
    EXPECT_EQ(origin.y, centred.y);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(FormMainTest, RestoresPrefixAndCountReadingTheCountAfterThePrefix)
{
    const struct {
        const char* snapname;  // null: absent
        const char* jishu;     // null: absent
        const char* prefix;
        int count;
        int prefixWrites;
    } cases[] = {
        {"hhshot", "5", "hhshot", 5, 0},  // same text: no change event, no reset
        {"abc", "5", "abc", 5, 1},        // the change event resets, then the count is read
        {"", "3", "", 3, 1},              // an empty prefix is restored as empty
        {nullptr, "7", "hhshot", 7, 0},
        {nullptr, "-2", "hhshot", -2, 0},
        {"abc", nullptr, "abc", 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jishu ? c.jishu : "no count");
        testing_support::removeStoreKey();
        writes.clear();
        if (c.snapname)
            plantValue("snapname", REG_SZ, sz(c.snapname));
        if (c.jishu)
            plantValue("jishu", REG_SZ, sz(c.jishu));
        TForm_Main& f = open();
        EXPECT_EQ(f.EditSnapName.text(), c.prefix);
        EXPECT_EQ(f.captureCount(), c.count);
        EXPECT_EQ(writesOf("snapname"), c.prefixWrites);
        EXPECT_EQ(writesOf("jishu"), 0);
        EXPECT_TRUE(boxes.boxes.empty());
        form.reset();
    }
}

TEST_F(FormMainTest, RestoresTheFolderAndMakesItTheCurrentDirectory)
{
    const std::string saved = folder().makeSubfolder("shots");
    plantValue("snappath", REG_SZ, sz(saved));
    TForm_Main& f = open();
    EXPECT_EQ(f.DirectoryListBox1.directory(), saved);
    EXPECT_EQ(fw::currentDirectory(), saved);
    EXPECT_EQ(f.LabelPath.caption().empty(), false);
    EXPECT_EQ(writesOf("snappath"), 1);  // the change event writes it back

    // The folder already shown, in other letters: no change event.
    form.reset();
    writes.clear();
    SetCurrentDirectoryA(saved.c_str());
    std::string upper = saved;
    for (char& c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    plantValue("snappath", REG_SZ, sz(upper));
    open();
    EXPECT_EQ(writesOf("snappath"), 0);
}

TEST_F(FormMainTest, AFailedRestoreShowsTheErrorAndLeavesTheWindowAtItsDesignedPlace)
{
    const struct {
        const char* name;
        DWORD type;
        std::string data;
        const char* message;
        const char* prefix;
    } cases[] = {
        {"snappath", REG_SZ, sz("C:\\vistrel-tests\\no such folder"), "File not found.", "hhshot"},
        {"snappath", REG_DWORD, std::string("\x07\0\0\0", 4), "Invalid data type for 'snappath'", "hhshot"},
        {"snapname", REG_BINARY, "ab", "Invalid data type for 'snapname'", "hhshot"},
        {"jishu", REG_SZ, sz("abc"), "'abc' is not a valid integer value.", "other"},
        {"jishu", REG_SZ, sz(""), "'' is not a valid integer value.", "other"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        testing_support::removeStoreKey();
        boxes.boxes.clear();
        plantValue("snapname", REG_SZ, sz("other"));
        plantValue("jishu", REG_SZ, sz("7"));
        plantValue(c.name, c.type, c.data);
        TForm_Main& f = open();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, c.message);
        EXPECT_EQ(boxes.boxes[0].caption, "Vistrel 1.2");
        EXPECT_EQ(boxes.boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
        EXPECT_EQ(f.EditSnapName.text(), c.prefix);
        EXPECT_EQ(f.captureCount(), 0);
        const POINT origin = windowOrigin(f.hwnd());
        EXPECT_EQ(origin.x, 180);
        EXPECT_EQ(origin.y, 47);
        form.reset();
    }
}

// Every way of closing runs the close handling: the staged files go, without a word.
TEST_F(FormMainTest, ClosingInAnyWayDeletesTheStagedFilesWithoutAWord)
{
    fw::Application::instance().initialize();
    const HWND application = fw::Application::instance().handle();
    const struct {
        const char* how;
        bool toTaskBar;
        UINT message;
        WPARAM wParam;
        bool destroys;
    } cases[] = {
        {"WM_CLOSE", false, WM_CLOSE, 0, true},
        {"its close button or Alt+F4", false, WM_SYSCOMMAND, SC_CLOSE, true},
        {"the end of the session", false, WM_ENDSESSION, TRUE, false},
        {"WM_CLOSE to the task-bar window", true, WM_CLOSE, 0, true},
        {"the task-bar window's system menu", true, WM_SYSCOMMAND, SC_CLOSE, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        CreateDirectoryA("c:\\temp", nullptr);
        for (const char* path : {"c:\\temp\\JavaLoader.exe", "c:\\temp\\tmpsnap.bmp"})
            testing_support::writeFile(path, "staged");
        const HWND window = open().hwnd();
        SendMessageA(c.toTaskBar ? application : window, c.message, c.wParam, 0);
        EXPECT_EQ(GetFileAttributesA("c:\\temp\\JavaLoader.exe"), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(GetFileAttributesA("c:\\temp\\tmpsnap.bmp"), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(IsWindow(window) == FALSE, c.destroys);
        EXPECT_TRUE(IsWindow(application));  // it goes when the event loop ends
        form.reset();
        fw::Application::instance().setMainWindow(nullptr);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // Nothing staged: closing is just as quiet.
    open();
    SendMessageA(form->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace

#include <windows.h>

#include <stdexcept>

#include "framework/error.h"
#include "tests/win/ui/form_fixture.h"

namespace {

TEST(ErrorBoxText, AddsAFullStopWhenTheLastCharacterSortsAfterIt)
{
    const struct { const char* message; const char* shown; } cases[] = {
        {"Cannot create file C:\\a.jpg", "Cannot create file C:\\a.jpg."},
        {"Cannot create c:\\temp directory.", "Cannot create c:\\temp directory."},
        {"value 7", "value 7."},            // '7' sorts after '.'
        {"path/", "path/."},                // '/' sorts right after '.'
        {"done!", "done!"},                 // '!' sorts before '.'
        {"(x)", "(x)"},
        {"a-", "a-"},                       // '-' sorts right before '.'
        {"", ""},
        {"\xCE\xC4\xBC\xFE", "\xCE\xC4\xBC\xFE."},  // a code page 936 character
    };
    for (const auto& c : cases)
        EXPECT_EQ(fw::errorBoxText(c.message), c.shown) << c.message;
}

TEST_F(FormMainTest, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    TForm_Main& f = open();
    f.ButtonSnap.onClick = [] { throw fw::errors::cannotOpenFile("c:\\temp\\tmpsnap.bmp"); };
    SendMessageA(f.ButtonSnap.hwnd(), BM_CLICK, 0, 0);
    // Anything else thrown shows as an empty framework error.
    f.ButtonSnap.onClick = [] { throw std::runtime_error("not ours"); };
    SendMessageA(f.ButtonSnap.hwnd(), BM_CLICK, 0, 0);

    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot open file c:\\temp\\tmpsnap.bmp.");
    EXPECT_EQ(boxes.boxes[1].text, "");
    for (const testing_support::BoxShown& box : boxes.boxes) {
        EXPECT_EQ(box.caption, "Vistrel 1.2");
        EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    }
    EXPECT_TRUE(IsWindow(f.hwnd()));
}

TEST(MessageBox, ShowsTheTextWithNoIconUnderTheTitle)
{
    testing_support::BoxCatcher boxes;
    fw::Application::instance().setTitle("Vistrel 1.2");
    boxes.message("Error On CreatePipe()");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Error On CreatePipe()");
    EXPECT_EQ(boxes.boxes[0].caption, "Vistrel 1.2");
    EXPECT_EQ(boxes.boxes[0].style, static_cast<UINT>(MB_OK));
}

}  // namespace

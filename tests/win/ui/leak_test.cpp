#include <windows.h>

#include "tests/win/ui/form_fixture.h"

namespace {

struct HandleCounts {
    DWORD gdi;
    DWORD user;
    DWORD kernel;
};

HandleCounts handleCounts()
{
    HandleCounts counts{};
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    GetProcessHandleCount(GetCurrentProcess(), &counts.kernel);
    return counts;
}

TEST_F(FormMainTest, ThousandsOfEditsAndFolderChangesLeaveNoHandlesBehind)
{
    const std::string a = folder().makeSubfolder("a");
    const std::string b = folder().makeSubfolder("b");
    TForm_Main& f = open();
    const auto churn = [&](int rounds) {
        for (int i = 0; i < rounds; ++i) {
            f.EditSnapName.setText("prefix" + std::to_string(i));
            f.DirectoryListBox1.setDirectory(i % 2 ? a : b);
        }
        testing_support::pumpMessages();
    };
    churn(10);  // first uses may allocate for good (fonts, caches)
    const HandleCounts before = handleCounts();
    churn(1000);
    const HandleCounts after = handleCounts();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(after.kernel, before.kernel);
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace

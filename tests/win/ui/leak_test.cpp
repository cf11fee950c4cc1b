#include <windows.h>

#include "tests/win/support/handle_counts.h"
#include "tests/win/ui/form_fixture.h"

namespace {

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
    const testing_support::HandleCounts before = testing_support::handleCounts();
    churn(1000);
    const testing_support::HandleCounts after = testing_support::handleCounts();
    EXPECT_GT(before.kernel, 0);
    EXPECT_GT(before.gdi, 0);
    EXPECT_GT(before.user, 0);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(after.kernel, before.kernel);
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace

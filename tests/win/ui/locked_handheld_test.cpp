// A locked handheld: the password is asked for, sent only as the user gave it, kept for the
// session and forgotten when refused, and never stored or logged.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/win/support/file_bytes.h"
#include "tests/win/support/store_key.h"
#include "tests/win/ui/capture_fixture.h"

namespace {

using testing_support::exists;
using testing_support::readFile;

// The user at the password dialog: each answer in turn (none: Cancel), and what was asked.
class ScriptedUser : public ui::PasswordAsker {
public:
    std::optional<fw::SecretText> askPassword(bool again) override
    {
        asked.push_back(again ? "again" : "locked");
        if (answers.empty())
            return std::nullopt;
        const std::optional<std::string> answer = answers.front();
        answers.erase(answers.begin());
        return answer ? std::optional<fw::SecretText>(fw::SecretText(*answer)) : std::nullopt;
    }
    std::vector<std::optional<std::string>> answers;
    std::vector<std::string> asked;
};

class LockedHandheld : public CaptureTest {
protected:
    void SetUp() override
    {
        CaptureTest::SetUp();
        record = folder().path() + "\\command-line.txt";
        lockWith("s3cret");
    }

    void lockWith(const std::string& secret) { handheld(("password=" + secret + ",record=" + record).c_str()); }

    TForm_Main& openWithUser()
    {
        form = std::make_unique<TForm_Main>(
            FormMainServices{boxes, nullptr, capture::kLoaderRunBound, nullptr, &user});
        fw::Application::instance().setMainWindow(form->hwnd());
        form->show();
        return *form;
    }

    // How many times the loader has run in this window.
    int runs() const
    {
        const std::string log = form->Memo1.contents();
        int count = 0;
        for (std::size_t at = log.find("Connecting"); at != std::string::npos; at = log.find("Connecting", at + 1))
            ++count;
        return count;
    }

    ScriptedUser user;
    std::string record;
};

TEST_F(LockedHandheld, CancelEndsTheCaptureQuietly)
{
    TForm_Main& f = openWithUser();
    pressCapture();
    EXPECT_EQ(user.asked, std::vector<std::string>{"locked"});
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(runs(), 1);
    EXPECT_TRUE(testing_support::namesIn(shots).empty());
    EXPECT_EQ(f.captureCount(), 0);
    EXPECT_TRUE(f.ButtonSnap.enabled());
}

TEST_F(LockedHandheld, TheRightPasswordSavesThePictureAndIsKeptForTheSession)
{
    user.answers = {std::string("s3cret")};
    TForm_Main& f = openWithUser();
    pressCapture();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(f.Label2.caption(), shot("hhshot1.jpg"));
    EXPECT_NE(readFile(record).find(" -u -ws3cret screenshot "), std::string::npos) << readFile(record);

    pressCapture();  // not asked again
    EXPECT_EQ(user.asked, std::vector<std::string>{"locked"});
    EXPECT_EQ(f.Label2.caption(), shot("hhshot2.jpg"));
    EXPECT_EQ(runs(), 3);
}

TEST_F(LockedHandheld, AWrongPasswordIsAskedForAgainAndNothingRunsUntilTheUserSaysSo)
{
    user.answers = {std::string("nope"), std::nullopt};
    TForm_Main& f = openWithUser();
    pressCapture();
    EXPECT_EQ(user.asked, (std::vector<std::string>{"locked", "again"}));
    EXPECT_EQ(runs(), 2);  // without a password, then with the one typed; none after Cancel
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(testing_support::namesIn(shots).empty());

    user.answers = {std::string("still wrong"), std::string("s3cret")};
    pressCapture();  // the refused password was not kept: this run goes without one
    EXPECT_EQ(user.asked, (std::vector<std::string>{"locked", "again", "locked", "again"}));
    EXPECT_EQ(runs(), 5);
    EXPECT_EQ(f.Label2.caption(), shot("hhshot1.jpg"));
}

TEST_F(LockedHandheld, AKeptPasswordThatBecameWrongIsSentOnceNotAgain)
{
    user.answers = {std::string("s3cret")};
    openWithUser();
    pressCapture();
    ASSERT_EQ(runs(), 2);

    lockWith("changed");
    pressCapture();  // the kept password, once; then the user cancels
    EXPECT_EQ(user.asked, (std::vector<std::string>{"locked", "again"}));
    EXPECT_EQ(runs(), 3);
    pressCapture();  // forgotten: asked before any password is sent
    EXPECT_EQ(runs(), 4);
    EXPECT_EQ(readFile(record).find("-w"), std::string::npos) << readFile(record);
    EXPECT_EQ(user.asked, (std::vector<std::string>{"locked", "again", "locked"}));
}

TEST_F(LockedHandheld, ThePasswordIsNeitherStoredNorLogged)
{
    user.answers = {std::string("wrong one"), std::string("s3cret")};
    TForm_Main& f = openWithUser();
    pressCapture();
    pressCapture();
    ASSERT_EQ(f.Label2.caption(), shot("hhshot2.jpg"));
    EXPECT_EQ(f.Memo1.contents().find("s3cret"), std::string::npos);
    EXPECT_EQ(f.Memo1.contents().find("wrong one"), std::string::npos);
    for (const char* name : {"snappath", "snapname", "jishu", "clipboard", "png"})
        EXPECT_EQ(testing_support::rawValue(name).bytes.find("s3cret"), std::string::npos) << name;
    EXPECT_EQ(testing_support::storeKeyEntries(), 2u);  // the folder and the count, nothing else
}

}  // namespace

// The drive selector lists every drive at once and never waits for a slow drive's label.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "framework/win/drives.h"
#include "tests/win/ui/form_fixture.h"

namespace {

// C: a fixed disk, T: a network drive whose server takes seconds to answer, D: an optical
// drive with no disc.
class SlowNetworkDrive : public fw::Drives {
public:
    DWORD letters() const override { return 1u << ('C' - 'A') | 1u << ('D' - 'A') | 1u << ('T' - 'A'); }
    UINT type(char letter) const override
    {
        return letter == 'C' ? DRIVE_FIXED : letter == 'T' ? DRIVE_REMOTE : DRIVE_CDROM;
    }
    std::optional<std::string> label(char letter) const override
    {
        if (letter == 'T')
            Sleep(kAnswerMs);
        return letter == 'D' ? std::nullopt : std::optional<std::string>(letter == 'C' ? "SYSTEM" : "SHARED");
    }
    static constexpr DWORD kAnswerMs = 2500;
};

std::vector<std::string> captions(HWND combo)
{
    std::vector<std::string> all;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[128] = {};
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        all.push_back(text);
    }
    return all;
}

TEST_F(FormMainTest, ASlowDriveNeitherHoldsTheWindowNorLosesItsLabel)
{
    const auto drives = std::make_shared<SlowNetworkDrive>();
    const ULONGLONG start = GetTickCount64();
    form = std::make_unique<TForm_Main>(FormMainServices{boxes, nullptr, capture::kLoaderRunBound, nullptr, nullptr, drives});
    form->show();
    EXPECT_LT(GetTickCount64() - start, SlowNetworkDrive::kAnswerMs / 2);
    const HWND combo = form->DriveComboBox1.hwnd();
    EXPECT_EQ(captions(combo), (std::vector<std::string>{"c: [SYSTEM]", "d:", "t:"}));
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);

    // The window answers meanwhile; the label comes when the drive does.
    const ULONGLONG deadline = GetTickCount64() + SlowNetworkDrive::kAnswerMs * 3;
    while (captions(combo)[2] == "t:" && GetTickCount64() < deadline) {
        testing_support::pumpMessages();
        Sleep(20);
    }
    EXPECT_EQ(captions(combo), (std::vector<std::string>{"c: [SYSTEM]", "d:", "t: [SHARED]"}));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), selected);
}

TEST_F(FormMainTest, AWindowClosedBeforeASlowLabelArrivesIsLeftInPeace)
{
    form = std::make_unique<TForm_Main>(
        FormMainServices{boxes, nullptr, capture::kLoaderRunBound, nullptr, nullptr, std::make_shared<SlowNetworkDrive>()});
    form.reset();  // the label thread still waits on T:
    Sleep(SlowNetworkDrive::kAnswerMs + 500);
    testing_support::pumpMessages();
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace

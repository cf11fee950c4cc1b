// The picture on the clipboard, and the capture key, through the real program and the
// system's own input and clipboard.
#include <windows.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "framework/error.h"
#include "framework/graphics/bitmap_reader.h"
#include "framework/win/handle.h"
#include "tests/e2e/driver/real_input.h"
#include "tests/e2e/driver/wait.h"
#include "tests/e2e/vistrel_case.h"
#include "tests/native/graphics/bitmap_builder.h"
#include "tests/win/support/linux_side.h"
#include "ui/formmain_layout.h"

namespace {

constexpr char kCopied[] = "（已复制）";
constexpr char kCaptureKeyTaken[] = "抓图热键 Ctrl+Alt+H 已被其他程序占用";

// The clipboard's device-independent bitmap, read back as pixels; none when it holds none.
std::optional<fw::PixelImage> clipboardPicture()
{
    std::optional<fw::PixelImage> picture;
    if (!OpenClipboard(nullptr))
        return picture;
    if (const HANDLE data = GetClipboardData(CF_DIB)) {
        const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
        // As a file: the file header, then the clipboard's bytes.
        std::vector<std::uint8_t> file(14);
        file[0] = 'B';
        file[1] = 'M';
        file[10] = 14 + sizeof(BITMAPINFOHEADER);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(header);
        file.insert(file.end(), bytes, bytes + GlobalSize(data));
        GlobalUnlock(data);
        try {
            picture = fw::readBitmap(file.data(), file.size());
        } catch (const fw::Error&) {
        }
    }
    CloseClipboard();
    return picture;
}

void putTextOnClipboard(const char* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(GlobalLock(memory), text, std::strlen(text) + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// A handheld screen of known pixels, delivered by the stand-in as it stands.
class KnownScreen {
public:
    explicit KnownScreen(const std::string& path) : path_(path)
    {
        const testbmp::Bytes file = testbmp::build(testbmp::gradient24(90, 70));
        writeFile(path, std::string(file.begin(), file.end()));
        pixels_ = fw::readBitmap(file.data(), file.size());
    }
    std::string handheld() const { return "screen=" + path_; }
    bool shownBy(const std::optional<fw::PixelImage>& picture) const
    {
        return picture && picture->width == pixels_.width && picture->height == pixels_.height &&
               picture->rgb == pixels_.rgb;
    }

private:
    std::string path_;
    fw::PixelImage pixels_;
};

// A plain window of the test's own, to be the program in front.
class OtherProgram {
public:
    OtherProgram()
        : window_(CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~OtherProgram() { DestroyWindow(window_); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    HWND window() const { return window_; }

private:
    HWND window_;
};

using ClipboardAndKey = VistrelCase;

TEST_F(ClipboardAndKey, ACaptureGoesToTheClipboardWhenTickedAndCtrlCCopiesThePreview)
{
    store("snappath", kShots);
    store("clipboard", "1");
    const KnownScreen screen(shot("screen.bmp"));
    putTextOnClipboard("something else");
    e2e::MainWindow& w = start({.handheld = screen.handheld()});
    const e2e::CaptureEnd end = capture();
    ASSERT_TRUE(end.ended);
    ASSERT_FALSE(end.box) << end.box->text;
    EXPECT_EQ(w.status(), shot("hhshot1.jpg") + kCopied);
    EXPECT_TRUE(screen.shownBy(clipboardPicture()));

    // Unticked, the next capture leaves the clipboard alone; Ctrl+C copies what the preview shows.
    w.click(GetDlgItem(w.window(), ui::layout::added::kCheckBoxClipboard.id));
    EXPECT_TRUE(e2e::waitUntil(5000, [] { return stored("clipboard") == "0"; }));
    putTextOnClipboard("something else");
    ASSERT_TRUE(capture().ended);
    EXPECT_EQ(w.status(), shot("hhshot2.jpg"));
    EXPECT_FALSE(clipboardPicture());
    SetForegroundWindow(w.window());
    ASSERT_TRUE(w.settle());
    e2e::pressWith(VK_CONTROL, 'C');
    EXPECT_TRUE(e2e::waitUntil(5000, [&] { return screen.shownBy(clipboardPicture()); }));
}

TEST_F(ClipboardAndKey, CtrlCWithNoPreviewLeavesTheClipboardAsItWas)
{
    e2e::MainWindow& w = start();
    putTextOnClipboard("something else");
    SetForegroundWindow(w.window());
    ASSERT_TRUE(w.settle());
    e2e::pressWith(VK_CONTROL, 'C');
    ASSERT_TRUE(w.settle());
    Sleep(300);
    EXPECT_FALSE(clipboardPicture());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    CloseClipboard();
}

TEST_F(ClipboardAndKey, TheCaptureKeyCapturesWhileAnotherProgramIsInFront)
{
    store("snappath", kShots);
    e2e::MainWindow& w = start();
    const OtherProgram other;
    SetForegroundWindow(other.window());
    ASSERT_TRUE(w.settle());
    // Typed on the X server's keyboard, as a user types it.
    ASSERT_TRUE(testing_support::runLinuxCommand("xdotool key ctrl+alt+h"));
    EXPECT_TRUE(e2e::waitUntil(20000, [&] { return w.status() == shot("hhshot1.jpg"); })) << w.status();
    ASSERT_TRUE(w.settle());
    EXPECT_EQ(folderListing(kShots), "hhshot1.jpg");
}

TEST_F(ClipboardAndKey, AProgramThatHoldsTheCaptureKeyIsNamedInTheStatusLine)
{
    const OtherProgram other;
    ASSERT_TRUE(RegisterHotKey(other.window(), 1, MOD_CONTROL | MOD_ALT, 'H'));
    e2e::MainWindow& w = start();
    EXPECT_EQ(w.status(), kCaptureKeyTaken);
    UnregisterHotKey(other.window(), 1);
}

}  // namespace

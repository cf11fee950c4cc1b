#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>


#include "capture/capture_command.h"
#include "framework/win/handle.h"
#include "tests/win/support/file_bytes.h"
#include "tests/win/support/jpeg_facts.h"
#include "tests/win/support/processes.h"
#include "tests/win/support/linux_side.h"
#include "tests/win/ui/capture_fixture.h"

using testing_support::plantValue;

namespace {

constexpr char kStagedLoader[] = "c:\\temp\\JavaLoader.exe";
constexpr char kCaptureBitmap[] = "c:\\temp\\tmpsnap.bmp";

using testing_support::exists;
using testing_support::readFile;
using testing_support::writeFile;

// Width and height of a picture file, decoded as a viewer would.
SIZE jpegSize(const std::string& path)
{
    const testing_support::JpegFacts facts = testing_support::decodeJpegFile(path);
    return {facts.width, facts.height};
}

TEST_F(CaptureTest, TwoGoodCapturesMakeTwoNumberedPictures)
{
    plantValue("jishu", REG_SZ, sz("4"));
    TForm_Main& f = open();
    pressCapture();
    pressCapture();
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes[0].text;
    for (const char* name : {"hhshot5.jpg", "hhshot6.jpg"}) {
        const SIZE size = jpegSize(shot(name));
        EXPECT_EQ(size.cx, 480) << name;
        EXPECT_EQ(size.cy, 360) << name;
    }
    EXPECT_FALSE(exists(shot("hhshot7.jpg")));
    EXPECT_EQ(stored("jishu"), sz("6"));
    EXPECT_EQ(f.captureCount(), 6);
    EXPECT_EQ(f.Label2.caption(), shot("hhshot6.jpg"));
    EXPECT_TRUE(f.Image1.hasPicture());
    EXPECT_FALSE(exists(kStagedLoader));
    EXPECT_FALSE(exists(kCaptureBitmap));
    EXPECT_FALSE(f.Memo1.contents().empty());  // the loader's output went to the hidden log
    EXPECT_TRUE(f.ButtonSnap.enabled());
}

TEST_F(CaptureTest, EveryScreenDepthGivesAPictureOfItsSize)
{
    const struct { const char* model; int width, height; } cases[] = {
        {"model=320x240x16", 320, 240}, {"model=800x480x32", 800, 480}, {"model=360x480x24", 360, 480},
    };
    TForm_Main& f = open();
    for (const auto& c : cases) {
        handheld(c.model);
        pressCapture();
        const SIZE size = jpegSize(f.Label2.caption());
        EXPECT_EQ(size.cx, c.width) << c.model;
        EXPECT_EQ(size.cy, c.height) << c.model;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CaptureTest, NoHandheldSaysSoAndChangesNothing)
{
    plantValue("jishu", REG_SZ, sz("4"));
    for (const char* items : {"none", "crash"}) {  // a locked handheld asks for its password instead
        SCOPED_TRACE(items);
        boxes.boxes.clear();
        handheld(items);
        TForm_Main& f = open();
        const std::string credit = f.Label2.caption();
        pressCapture();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, "\xB2\xBB\xC4\xDC\xD7\xA5\xCD\xBC\xA3\xAC\xD2\xB2\xD0\xED usb \xCF\xDF\xC3\xBB\xC1\xAC\xBD\xD3\xBA\xC3\xA3\xA1");
        EXPECT_EQ(boxes.boxes[0].caption, "Vistrel 1.2");
        EXPECT_EQ(boxes.boxes[0].style, static_cast<UINT>(MB_OK));
        EXPECT_EQ(f.captureCount(), 4);
        EXPECT_EQ(stored("jishu"), sz("4"));
        EXPECT_EQ(f.Label2.caption(), credit);
        EXPECT_FALSE(f.Image1.hasPicture());
        EXPECT_TRUE(f.ButtonSnap.enabled());
        EXPECT_FALSE(exists(kStagedLoader));  // nothing of a capture stays in the shared folder
        EXPECT_FALSE(exists(shot("hhshot5.jpg")));
        form.reset();
    }
}

TEST_F(CaptureTest, ABitmapLeftByAnEarlierCaptureIsNotTaken)
{
    CreateDirectoryA("c:\\temp", nullptr);
    writeFile(kCaptureBitmap, "BM stale picture");
    handheld("none");
    open();
    pressCapture();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.substr(0, 6), "\xB2\xBB\xC4\xDC\xD7\xA5");  // the USB message
    EXPECT_FALSE(exists(kCaptureBitmap));
}

TEST_F(CaptureTest, AStaleBitmapThatCannotBeRemovedStopsTheCaptureBeforeTheLoader)
{
    CreateDirectoryA("c:\\temp", nullptr);
    writeFile(kCaptureBitmap, "BM stale picture");
    fw::UniqueFile held(CreateFileA(kCaptureBitmap, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    TForm_Main& f = open();
    pressCapture();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot delete file c:\\temp\\tmpsnap.bmp.");
    EXPECT_EQ(boxes.boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_FALSE(exists(kStagedLoader));  // nothing staged, nothing run
    EXPECT_EQ(f.captureCount(), 0);
    EXPECT_TRUE(f.ButtonSnap.enabled());
}

TEST_F(CaptureTest, AStagingFolderInTheWayOfAFileStopsTheCapture)
{
    writeFile("c:\\temp", "a file, not a folder");
    TForm_Main& f = open();
    pressCapture();
    DeleteFileA("c:\\temp");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot create c:\\temp directory.");
    EXPECT_EQ(boxes.boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_FALSE(exists(kStagedLoader));
    EXPECT_TRUE(f.Memo1.contents().empty());  // the loader never ran
    EXPECT_TRUE(f.ButtonSnap.enabled());
}

// Names in the shared staging folder that another user could plant: nothing is written or
// removed through them, during a capture or at the close of the window.
TEST_F(CaptureTest, LinksPlantedInTheStagingFolderLeaveTheirTargetsAlone)
{
    const testing_support::TempFolder own("users-own-files");
    const std::string ownFile = own.path() + "\\own.dat";
    const std::string ownBytes = "a file of the user's, somewhere else";
    const struct {
        const char* planted;
        bool hardLink;
        const char* box;  // empty: the capture works
    } cases[] = {
        {"c:\\temp\\JavaLoader.exe", false, "Cannot create file c:\\temp\\JavaLoader.exe."},
        {"c:\\temp\\tmpsnap.bmp", false, "Cannot delete file c:\\temp\\tmpsnap.bmp."},
        {"c:\\temp\\tmpsnap.bmp", true, ""},  // a second name: removing it leaves the first
        {"c:\\temp", false, "Cannot create c:\\temp directory."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.planted) + (c.hardLink ? " (second name)" : ""));
        boxes.boxes.clear();
        writeFile(ownFile, ownBytes);
        testing_support::removeUnixName("c:\\temp");
        const bool folderLink = std::string(c.planted) == "c:\\temp";
        if (!folderLink)
            CreateDirectoryA("c:\\temp", nullptr);
        const std::string target = folderLink ? own.path() : ownFile;
        ASSERT_TRUE(c.hardLink ? testing_support::makeUnixHardLink(target, c.planted)
                               : testing_support::makeUnixLink(target, c.planted));

        TForm_Main& f = open();
        pressCapture();
        SendMessageA(f.hwnd(), WM_CLOSE, 0, 0);  // the close removes what is staged
        form.reset();

        if (*c.box) {
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(boxes.boxes[0].text, c.box);
        } else {
            EXPECT_TRUE(boxes.boxes.empty());
            EXPECT_TRUE(exists(shot("hhshot1.jpg")));
        }
        EXPECT_EQ(readFile(ownFile), ownBytes);
        EXPECT_EQ(testing_support::namesIn(own.path()), std::vector<std::string>{"own.dat"});
        testing_support::removeUnixName(c.planted);
        DeleteFileA(shot("hhshot1.jpg").c_str());
    }
}

// Another program watching the shared folder overwrites the staged loader whenever it can.
// (Windows refuses it outright by the file's access list, which Wine does not enforce; what
// both show is that the file is held from its check until the loader has run, so that the
// program never runs bytes other than its own.)
TEST_F(CaptureTest, BytesWrittenIntoTheStagedLoaderByAnotherProgramAreNeverRun)
{
    TForm_Main& f = open();
    handheld("delay=300");
    std::atomic<int> overwritten{0};
    std::atomic<bool> done{false};
    std::thread other([&] {
        while (!done) {
            fw::UniqueFile file(CreateFileA(kStagedLoader, GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
            DWORD written = 0;
            if (file && WriteFile(file.get(), "MZ not the loader", 17, &written, nullptr))
                ++overwritten;
        }
    });
    int saved = 0;
    for (int capture = 0; capture < 5; ++capture) {
        boxes.boxes.clear();
        pressCapture();
        if (boxes.boxes.empty())
            ++saved;
        else  // changed before its check: never started
            EXPECT_EQ(boxes.boxes[0].text, "Cannot create file c:\\temp\\JavaLoader.exe.");
    }
    done = true;
    other.join();
    EXPECT_EQ(testing_support::namesIn(shots).size(), static_cast<std::size_t>(saved));
    EXPECT_EQ(f.Memo1.contents().find("not the loader"), std::string::npos);
}

TEST_F(CaptureTest, AHelperTheLoaderLeavesHoldingItsOutputIsEndedAndThePictureSaved)
{
    TForm_Main& f = open();
    handheld("helper");
    const ULONGLONG start = GetTickCount64();
    pressCapture();
    EXPECT_LT(GetTickCount64() - start, 3000u);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(f.Label2.caption(), shot("hhshot1.jpg"));
    EXPECT_EQ(jpegSize(shot("hhshot1.jpg")).cx, 480);
    EXPECT_TRUE(testing_support::processesNamed("JavaLoader.exe").empty());
}

TEST_F(CaptureTest, AnUnwritableOutputUsesUpTheNumberAndKeepsEarlierPictures)
{
    plantValue("jishu", REG_SZ, sz("1"));
    TForm_Main& f = open();
    pressCapture();  // hhshot2.jpg
    const std::string earlier = readFile(shot("hhshot2.jpg"));
    ASSERT_FALSE(earlier.empty());

    // A prefix with a character not allowed in file names.
    f.EditSnapName.setText("bad?name");
    pressCapture();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot create file " + shot("bad?name1.jpg") + ".");
    EXPECT_EQ(stored("jishu"), sz("1"));  // the number is used up
    EXPECT_EQ(f.captureCount(), 1);
    EXPECT_EQ(f.Label2.caption(), shot("hhshot2.jpg"));
    EXPECT_FALSE(exists(kCaptureBitmap));  // the picture does not stay in the shared folder

    // The folder removed behind the program's back.
    boxes.boxes.clear();
    f.EditSnapName.setText("hhshot");
    SetCurrentDirectoryA("C:\\");
    const std::string moved = shots + "-moved";
    ASSERT_TRUE(MoveFileA(shots.c_str(), moved.c_str()));
    pressCapture();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot create file " + shot("hhshot1.jpg") + ".");
    EXPECT_EQ(stored("jishu"), sz("1"));
    EXPECT_EQ(readFile(moved + "\\hhshot2.jpg"), earlier);
    testing_support::removeTree(moved);
}

TEST_F(CaptureTest, AChinesePrefixNamesThePicture)
{
    // "截图" in code page 936.
    const std::string prefix = "\xBD\xD8\xCD\xBC";
    TForm_Main& f = open();
    f.EditSnapName.setText(prefix);
    pressCapture();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(jpegSize(shot(prefix + "1.jpg")).cx, 480);
    EXPECT_EQ(f.Label2.caption(), shot(prefix + "1.jpg"));
    EXPECT_EQ(stored("snapname"), sz(prefix));
}

// Each case ends with a look at the folder: earlier pictures are byte for byte as they were,
// and the new ones take the first free numbers.
TEST_F(CaptureTest, NoCaptureEverReplacesAnEarlierPicture)
{
    const struct {
        const char* name;
        std::vector<int> earlier;  // pictures hhshot<n>.jpg already in the folder
        const char* storedCount;   // nullptr: none stored
        bool retypePrefix;         // the prefix is changed and changed back, resetting the count
        bool restoreFails;         // the stored folder is gone: the window starts in the shots folder
        std::vector<int> taken;    // the numbers two captures take
    } cases[] = {
        {"pictures 1 to 3 and the prefix retyped", {1, 2, 3}, "3", true, false, {4, 5}},
        {"a gap", {1, 3}, "0", false, false, {2, 4}},
        {"a start-up whose folder restore failed", {1, 2}, "2", false, true, {3, 4}},
        {"a stored count below the folder's highest", {1, 2, 3}, "1", false, false, {4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.boxes.clear();
        testing_support::removeTree(shots);
        CreateDirectoryA(shots.c_str(), nullptr);
        for (const int n : c.earlier)
            writeFile(shot("hhshot" + std::to_string(n) + ".jpg"), "earlier picture " + std::to_string(n));
        plantValue("jishu", REG_SZ, sz(c.storedCount));
        plantValue("snappath", REG_SZ, sz(c.restoreFails ? shots + "\\gone" : shots));
        SetCurrentDirectoryA(shots.c_str());

        TForm_Main& f = open();
        ASSERT_EQ(boxes.boxes.size(), c.restoreFails ? 1u : 0u);
        boxes.boxes.clear();
        if (c.retypePrefix) {
            f.EditSnapName.setText("hhshot2");
            f.EditSnapName.setText("hhshot");
        }
        pressCapture();
        pressCapture();

        EXPECT_TRUE(boxes.boxes.empty());
        for (const int n : c.earlier)
            EXPECT_EQ(readFile(shot("hhshot" + std::to_string(n) + ".jpg")), "earlier picture " + std::to_string(n));
        std::vector<std::string> expected;
        for (const int n : c.earlier)
            expected.push_back("hhshot" + std::to_string(n) + ".jpg");
        for (const int n : c.taken) {
            EXPECT_EQ(jpegSize(shot("hhshot" + std::to_string(n) + ".jpg")).cx, 480) << n;
            expected.push_back("hhshot" + std::to_string(n) + ".jpg");
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(testing_support::namesIn(shots), expected);
        EXPECT_EQ(f.captureCount(), c.taken.back());
        EXPECT_EQ(stored("jishu"), sz(std::to_string(c.taken.back())));
        EXPECT_EQ(f.Label2.caption(), shot("hhshot" + std::to_string(c.taken.back()) + ".jpg"));
        form.reset();
        SetCurrentDirectoryA("C:\\");
    }
}

// A prefix that would leave the folder, name a stream or a device, or hold a character no
// name may hold: the save fails, the number is used up, and nothing is written anywhere.
TEST_F(CaptureTest, APrefixThatWouldReachOutsideTheFolderWritesNothing)
{
    const std::string sub = shots + "\\sub";
    CreateDirectoryA(sub.c_str(), nullptr);
    const std::string parent = folder().path();
    const auto everything = [&] {
        return std::vector<std::vector<std::string>>{testing_support::namesIn(parent), testing_support::namesIn(shots),
                                                     testing_support::namesIn(sub)};
    };
    TForm_Main& f = open();
    const auto before = everything();
    for (const char* prefix : {"..\\x", "sub\\x", "a:b", "COM", "LPT", "x?", "sub/x", "NUL."}) {
        SCOPED_TRACE(prefix);
        boxes.boxes.clear();
        f.EditSnapName.setText(prefix);  // the count restarts: the next number is 1
        pressCapture();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, "Cannot create file " + shot(std::string(prefix) + "1.jpg") + ".");
        EXPECT_EQ(f.captureCount(), 1);  // used up all the same
        EXPECT_EQ(everything(), before);
    }
}

TEST_F(CaptureTest, ABrokenBitmapIsReportedAndKeepsThePreviewAndTheCount)
{
    TForm_Main& f = open();
    pressCapture();  // a good one first, for the preview
    ASSERT_TRUE(f.Image1.hasPicture());
    const std::string broken = shot("broken.bmp");
    writeFile(broken, "BM but nothing like a bitmap");
    handheld(("screen=" + broken).c_str());
    pressCapture();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(f.captureCount(), 1);
    EXPECT_EQ(stored("jishu"), sz("1"));
    EXPECT_FALSE(exists(kCaptureBitmap));
    EXPECT_FALSE(exists(kStagedLoader));
    EXPECT_TRUE(f.ButtonSnap.enabled());
}

TEST_F(CaptureTest, ACountThatCannotBeStoredWritesNoPicture)
{
    TForm_Main& f = open();
    ASSERT_TRUE(testing_support::denyAccessToStoreKey());
    pressCapture();
    testing_support::restoreAccessToStoreKey();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Failed to set data for 'jishu'");
    EXPECT_EQ(f.captureCount(), 1);  // raised in memory all the same
    EXPECT_FALSE(exists(shot("hhshot1.jpg")));
}

TEST_F(CaptureTest, AHangingLoaderTimesOutAndTheNextCaptureWorks)
{
    TForm_Main& f = open(std::chrono::milliseconds(2000));
    handheld("hang");
    const DWORD start = GetTickCount();
    pressCapture();
    EXPECT_LT(GetTickCount() - start, 4000u);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "\xD7\xA5\xCD\xBC\xB3\xAC\xCA\xB1\xA3\xAC\xCA\xD6\xB3\xD6\xC9\xE8\xB1\xB8\xC3\xBB\xD3\xD0\xCF\xEC\xD3\xA6\xA3\xA1");
    EXPECT_EQ(f.captureCount(), 0);
    EXPECT_TRUE(f.ButtonSnap.enabled());
    EXPECT_FALSE(exists(kStagedLoader));
    EXPECT_FALSE(exists(kCaptureBitmap));

    boxes.boxes.clear();
    handheld("");
    pressCapture();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(exists(shot("hhshot1.jpg")));
}

TEST_F(CaptureTest, TheCountWrapsFromTheLargestToTheSmallestNumber)
{
    plantValue("jishu", REG_SZ, sz("2147483647"));
    TForm_Main& f = open();
    pressCapture();
    EXPECT_TRUE(exists(shot("hhshot-2147483648.jpg")));
    EXPECT_EQ(stored("jishu"), sz("-2147483648"));
    EXPECT_EQ(f.captureCount(), INT32_MIN);
    EXPECT_EQ(capture::nextCaptureCount(-1), 0);
}

}  // namespace

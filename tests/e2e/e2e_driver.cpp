// e2e_driver capture VISTREL_EXE FOLDER SCREENSHOT_BMP
//
// Makes one capture with the real Vistrel.exe as a user would: with FOLDER stored as the
// save folder, starts the program, presses 立即抓图, waits for the saved path in the
// status line, writes a picture of the window to SCREENSHOT_BMP and closes the program.
// Prints the saved picture's path; exits non-zero when the capture did not succeed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/driver/capture_press.h"
#include "tests/e2e/driver/screenshot.h"

namespace {

int usage()
{
    std::fputs("usage: e2e_driver capture VISTREL_EXE FOLDER SCREENSHOT_BMP\n", stderr);
    return 2;
}

bool storeSaveFolder(const std::string& folder)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\vistrel", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LSTATUS status = RegSetValueExA(key, "snappath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                                         static_cast<DWORD>(folder.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

int captureOnce(const std::string& exe, const std::string& folder, const std::string& screenshot)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!storeSaveFolder(folder)) {
        std::fputs("cannot store the save folder\n", stderr);
        return 1;
    }
    e2e::VistrelProcess app(exe, {});
    const e2e::MainWindow window(app.mainWindow());
    const std::string credit = window.status();
    const e2e::CaptureEnd end = e2e::pressCapture(app, window);
    if (end.box) {
        std::fprintf(stderr, "the capture failed: %s\n", end.box->text.c_str());
        e2e::answerBox(window, *end.box);
        return 1;
    }
    if (!end.ended || window.status() == credit) {
        std::fputs("the capture did not end\n", stderr);
        return 1;
    }
    Sleep(500);  // let the preview settle on the screen
    if (!e2e::saveWindowPicture(window.window(), screenshot))
        std::fputs("cannot write the screenshot\n", stderr);
    std::printf("%s\n", window.status().c_str());
    app.close();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5 || std::string(argv[1]) != "capture")
        return usage();
    try {
        return captureOnce(argv[2], argv[3], argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

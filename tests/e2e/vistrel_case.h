// One case against the real Vistrel.exe: a clean store key, staging folder and picture
// folder before and after, the program started from outside, and what a user can look at.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/e2e/driver/capture_press.h"
#include "tests/e2e/driver/main_window.h"
#include "tests/e2e/driver/vistrel_process.h"
#include "tests/win/support/file_bytes.h"

class VistrelCase : public ::testing::Test {
protected:
    static constexpr char kShots[] = "C:\\shots";
    static constexpr char kStagingFolder[] = "c:\\temp";
    static constexpr char kStagedLoader[] = "c:\\temp\\JavaLoader.exe";
    static constexpr char kCaptureBitmap[] = "c:\\temp\\tmpsnap.bmp";
    static constexpr char kTitle[] = "Vistrel 1.2";

    void SetUp() override;
    void TearDown() override;

    // Starts Vistrel.exe (closing one started before) and finds its window's controls.
    e2e::MainWindow& start(const e2e::LaunchOptions& options = {});
    // Closes the window as a user does; fails the case when the program does not end.
    void close();

    // Clicks 立即抓图 and follows the capture to its end or its box.
    e2e::CaptureEnd capture() { return e2e::pressCapture(*app, *window, 20000); }

    // A text value of HKCU\SOFTWARE\vistrel, as the program stores it; "(missing)" when absent.
    static std::string stored(const std::string& name);
    static void store(const std::string& name, const std::string& text);

    static std::string shot(const std::string& name) { return std::string(kShots) + "\\" + name; }

    std::unique_ptr<e2e::VistrelProcess> app;
    std::unique_ptr<e2e::MainWindow> window;

    // No store key, no staging folder, an empty picture folder.
    static void freshSlate();

private:
    static void cleanSlate();
};

using testing_support::exists;
using testing_support::readFile;
using testing_support::writeFile;
// The file names in a folder, sorted, separated by spaces.
std::string folderListing(const std::string& folder);
// A small valid 24-bit bitmap file, such as the loader leaves behind.
std::string smallBitmapFile();

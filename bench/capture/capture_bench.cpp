// The program's own cost of one capture, under Wine: the whole click-to-file time, the
// loader's share and the program's share (staging, preview, JPEG, file), the encode alone
// for comparison, and the start-up of a minimal Windows program under the same Wine.
// Each figure is the median of several runs in this one process.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "capture/capture_command.h"
#include "capture/loader_run.h"
#include "capture/loader_staging.h"
#include "capture/picture_output.h"
#include "capture/staging_folder.h"
#include "capture/staging_paths.h"
#include "framework/graphics/jpeg_writer.h"
#include "framework/win/application.h"
#include "framework/win/boxes.h"
#include "framework/win/handle.h"
#include "settings/settings_store.h"
#include "ui/formmain.h"

namespace {

double milliseconds(const std::function<void()>& action)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    action();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(const std::function<void()>& action, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(milliseconds(action));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Boxes go to the output: a benchmark run must not wait for anyone to press OK.
class PrintedBoxes : public fw::Boxes {
public:
    void message(const std::string& text) override { std::printf("box: %s\n", text.c_str()); }
    void error(const std::string& message) override { std::printf("error box: %s\n", message.c_str()); }
};

class DiscardLog : public capture::LoaderLog {
public:
    void append(const std::string&) override {}
};

void startAndWait(const std::string& program)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::string command = "\"" + program + "\"";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return;
    fw::UniqueHandle process(started.hProcess);
    fw::UniqueHandle thread(started.hThread);
    WaitForSingleObject(process.get(), INFINITE);
}

std::string besideThisProgram(const char* name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    fw::Application::instance().setTitle("Vistrel 1.2");
    PrintedBoxes boxes;
    CreateDirectoryA("C:\\vistrel-bench", nullptr);
    SetCurrentDirectoryA("C:\\vistrel-bench");

    const double startup = median([] { startAndWait(besideThisProgram("minimal_program.exe")); }, runs);
    std::printf("minimal Windows program, start to end: %.1f ms\n\n", startup);
    std::printf("%-8s %10s %10s %10s %10s %12s\n", "screen", "whole", "loader", "own", "encode", "own/encode");

    for (const char* model : {"480x360x24", "800x480x24"}) {
        SetEnvironmentVariableA("VISTREL_HANDHELD", (std::string("delay=0,model=") + model).c_str());
        TForm_Main form({boxes});
        fw::Application::instance().setMainWindow(form.hwnd());
        form.show();
        const HWND button = form.ButtonSnap.hwnd();
        const double whole = median([&] {
            SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }, runs);

        // The same steps one by one, each timed on its own.
        enum { Stage, Loader, Load, Preview, Store, Save, Label, Delete, Encode, Steps };
        std::vector<std::vector<double>> times(Steps);
        DiscardLog log;
        for (int i = 0; i < runs; ++i) {
            fw::PixelImage picture;
            times[Stage].push_back(milliseconds([] { capture::stageLoader(capture::holdStagingFolder()); }));
            times[Loader].push_back(milliseconds([&] { capture::runLoader(log); }));
            times[Load].push_back(milliseconds([&] { picture = capture::loadCaptureBitmap(capture::kCaptureBitmap); }));
            times[Preview].push_back(milliseconds([&] { form.Image1.setPicture(picture); }));
            times[Store].push_back(milliseconds([] { settings::SettingsStore().writeCount(1); }));
            times[Save].push_back(milliseconds([&] { capture::saveJpeg(picture, "C:\\vistrel-bench\\x.jpg"); }));
            times[Label].push_back(milliseconds([&] { form.Label2.setCaption("C:\\vistrel-bench\\x.jpg"); }));
            times[Delete].push_back(milliseconds([] { capture::deleteStagedFiles(); }));
            times[Encode].push_back(milliseconds([&] { fw::encodeJpeg(picture); }));
        }
        std::vector<double> m(Steps);
        for (int step = 0; step < Steps; ++step) {
            std::sort(times[step].begin(), times[step].end());
            m[step] = times[step][times[step].size() / 2];
        }
        const double own = m[Stage] + m[Load] + m[Preview] + m[Store] + m[Save] + m[Label] + m[Delete];
        std::printf("%-8.7s %8.1fms %8.1fms %8.1fms %8.1fms %12.2f\n", model, whole, m[Loader], own, m[Encode],
                    own / m[Encode]);
        std::printf("         own: stage %.1f, read bitmap %.1f, preview %.1f, store count %.1f, save JPEG %.1f "
                    "(encode %.1f + file), status %.1f, clean-up %.1f\n",
                    m[Stage], m[Load], m[Preview], m[Store], m[Save], m[Encode], m[Label], m[Delete]);
    }
    return 0;
}

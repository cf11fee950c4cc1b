// The time from CreateProcess to the visible main window: Vistrel.exe beside a minimal
// windowed program, alternated, medians. Usage: startup_bench VISTREL_EXE MINIMAL_EXE [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/driver/window_search.h"

namespace {

// Milliseconds until the program shows its window, which is then closed.
double timeToWindow(const std::string& program, const char* windowClass)
{
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::string command = "\"" + program + "\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &startup, &started))
        return -1;
    HWND found = nullptr;
    for (int i = 0; i < 20000 && !found; ++i) {
        found = e2e::findTopLevelWindow(started.dwProcessId, windowClass);
        if (!found)
            Sleep(1);
    }
    QueryPerformanceCounter(&now);
    if (found)
        PostMessageA(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return found ? 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench VISTREL_EXE MINIMAL_EXE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    timeToWindow(argv[1], "TForm_Main");  // the first start fills caches for both
    timeToWindow(argv[2], "MinimalWindow");
    std::vector<double> vistrel, minimal;
    for (int i = 0; i < runs; ++i) {  // alternated, so that drift touches both alike
        vistrel.push_back(timeToWindow(argv[1], "TForm_Main"));
        minimal.push_back(timeToWindow(argv[2], "MinimalWindow"));
    }
    const double v = median(vistrel), m = median(minimal);
    std::printf("| program | start to visible window (median of %d) |\n|---|---|\n", runs);
    std::printf("| Vistrel.exe | %.1f ms |\n| minimal window | %.1f ms |\n\nratio: %.2f\n", v, m, v / m);
    return 0;
}

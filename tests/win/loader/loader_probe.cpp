// A small loader of the tests' own, for what the stand-in does not show plainly:
//   loader_probe output <n>   writes n bytes of probeOutput(n) and exits
//   loader_probe silent       writes nothing and exits
//   loader_probe report       prints its working directory and start-up information
//   loader_probe leave-holder starts "loader_probe hold", which inherits the pipe, prints
//                             its process id and exits at once
//   loader_probe hold         sleeps two minutes
//   loader_probe hang-with-helper  starts "loader_probe hold" as leave-holder does, then
//                             sleeps two minutes itself
//   loader_probe close-early  closes its output, then runs one more second
//   loader_probe handles      prints how many pipe handles it has and whether its standard
//                             input gives end-of-file at once
//   loader_probe -u screenshot <file>  as a loader run by Vistrel.exe: prints "loader=<its own
//                             path>" and writes a marker picture, 7 x 5 pure red, to the file
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <algorithm>

#include "tests/win/loader/probe_output.h"

namespace {

// Every pipe handle the process holds, found by asking each handle value.
int pipeHandles()
{
    int pipes = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        const HANDLE handle = reinterpret_cast<HANDLE>(value);
        DWORD flags = 0;
        if (GetHandleInformation(handle, &flags) && GetFileType(handle) == FILE_TYPE_PIPE)
            ++pipes;
    }
    return pipes;
}

bool inputEndsAtOnce()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    char c;
    DWORD got = 0;
    return !input || input == INVALID_HANDLE_VALUE || !ReadFile(input, &c, 1, &got, nullptr) || got == 0;
}

// A 24-bit bitmap file of 7 x 5 pure red pixels.
bool writeMarkerPicture(const char* path)
{
    const int width = 7, height = 5, stride = 24;  // 21 bytes a row, padded to 24
    unsigned char file[54 + stride * height] = {'B', 'M'};
    const auto put32 = [&](int at, unsigned value) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<unsigned char>(value >> (8 * i));
    };
    put32(2, sizeof file);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            file[54 + y * stride + x * 3 + 2] = 255;  // blue, green, red
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(file, 1, sizeof file, out) == sizeof file;
    return std::fclose(out) == 0 && written;
}

int leaveHolder(const char* self)
{
    std::string command = std::string("\"") + self + "\" hold";
    STARTUPINFOA startup;
    GetStartupInfoA(&startup);  // the same standard handles: the pipe
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started))
        return 3;
    std::printf("holder=%lu\n", started.dwProcessId);
    std::fflush(stdout);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  // the bytes written are the bytes read
    if (argc == 3 && std::strcmp(argv[1], "output") == 0) {
        const std::string text = probeOutput(std::strtoul(argv[2], nullptr, 10));
        // Several writes, so that the reader sees the output come in pieces.
        for (std::size_t at = 0; at < text.size(); at += 1000)
            std::fwrite(text.data() + at, 1, std::min<std::size_t>(1000, text.size() - at), stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "silent") == 0)
        return 0;
    if (argc == 2 && std::strcmp(argv[1], "report") == 0) {
        char folder[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, folder);
        STARTUPINFOA startup;
        GetStartupInfoA(&startup);
        std::printf("cwd=%s\nflags=0x%lx\nshow=%u\n", folder, startup.dwFlags, startup.wShowWindow);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "leave-holder") == 0)
        return leaveHolder(argv[0]);
    if (argc == 2 && std::strcmp(argv[1], "hang-with-helper") == 0) {
        const int started = leaveHolder(argv[0]);
        Sleep(120000);
        return started;
    }
    if (argc == 2 && std::strcmp(argv[1], "close-early") == 0) {
        CloseHandle(GetStdHandle(STD_OUTPUT_HANDLE));
        if (GetStdHandle(STD_ERROR_HANDLE) != GetStdHandle(STD_OUTPUT_HANDLE))
            CloseHandle(GetStdHandle(STD_ERROR_HANDLE));
        Sleep(1000);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "handles") == 0) {
        std::printf("pipes=%d\nstdin=%s\n", pipeHandles(), inputEndsAtOnce() ? "eof" : "data");
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "hold") == 0) {
        Sleep(120000);
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "-u") == 0 && std::strcmp(argv[2], "screenshot") == 0) {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::printf("loader=%s\n", self);
        return writeMarkerPicture(argv[3]) ? 0 : 3;
    }
    std::fputs("usage: loader_probe output <n> | silent | report | leave-holder | hold | hang-with-helper |"
               " close-early | handles\n", stderr);
    return 1;
}

// JavaLoader.exe, the stand-in loader: reaches a simulated handheld (described by
// VISTREL_HANDHELD) and saves its screen as a Windows bitmap file.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "loader/arguments.h"
#include "loader/bitmap_file.h"
#include "loader/exit_codes.h"
#include "loader/handheld_settings.h"
#include "loader/home_screen.h"

namespace loader {
namespace {

// Output is binary with "\r\n" line ends written out, so that its bytes are exactly those
// counted here. Each line goes out at once: the reader sees progress as it happens, and a
// loader that then hangs or crashes has still delivered what it printed.
void say(const std::string& line)
{
    std::fputs((line + "\r\n").c_str(), stdout);
    std::fflush(stdout);
}

void sayError(const std::string& line)
{
    std::fputs(("Error: " + line + "\r\n").c_str(), stderr);
    std::fflush(stderr);
}

std::string environmentText(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Extra output lines, n bytes in all (line ends included), before the capture.
void printNoise(unsigned long bytes)
{
    std::string chunk;
    unsigned long line = 0;
    while (bytes > 0) {
        std::string text = "debug " + std::to_string(++line) + ": handheld link statistics, all nominal";
        if (text.size() + 2 > bytes)
            text.resize(bytes >= 2 ? bytes - 2 : 0);
        const std::string end = bytes >= 2 ? "\r\n" : "\n";
        chunk += text + end;
        bytes -= static_cast<unsigned long>(text.size() + end.size());
        if (chunk.size() >= 4096) {
            std::fputs(chunk.c_str(), stdout);
            chunk.clear();
        }
    }
    std::fputs(chunk.c_str(), stdout);
    std::fflush(stdout);
}

enum class Unlock { Unlocked, NoPassword, WrongPassword };

Unlock unlock(const Arguments& arguments, const std::string& secret)
{
    const auto judge = [&](const std::string& given) {
        if (given.empty())
            return Unlock::NoPassword;
        return secret.empty() || given == secret ? Unlock::Unlocked : Unlock::WrongPassword;
    };
    if (arguments.password)
        return judge(*arguments.password);
    std::fputs("Enter the handheld's password: ", stdout);
    std::fflush(stdout);
    char line[256];
    if (!std::fgets(line, sizeof line, stdin))
        return Unlock::NoPassword;
    std::string password(line);
    while (!password.empty() && (password.back() == '\n' || password.back() == '\r'))
        password.pop_back();
    return judge(password);
}


// A FILE guard; stdio keeps the loader small, where iostreams would double its size.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool readFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    File in(std::fopen(path.c_str(), "rb"));
    if (!in)
        return false;
    bytes.clear();
    std::uint8_t chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return !std::ferror(in.get());
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    File out(std::fopen(path.c_str(), "wb"));
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
    return std::fclose(out.release()) == 0 && written;
}

// For tests: the command line as the loader got it, in a file of the caller's choosing.
void recordCommandLine(const std::string& path)
{
    File out(std::fopen(path.c_str(), "wb"));
    if (out)
        std::fputs(GetCommandLineA(), out.get());
}

// Leaves a process of its own kind running that never ends and holds whatever the loader
// inherited, its output among them, as a device service started by a real loader may.
void leaveHelper()
{
    char self[MAX_PATH];
    if (!GetModuleFileNameA(nullptr, self, MAX_PATH))
        return;
    std::string command = std::string("\"") + self + "\" -u screenshot NUL";
    SetEnvironmentVariableA("VISTREL_HANDHELD", "hang");  // for the helper's copy
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

int run(const std::vector<std::string>& args)
{
    const auto arguments = parseArguments(args);
    if (!arguments) {
        std::fputs(kUsageText, stdout);
        std::fflush(stdout);
        return kUsage;
    }

    HandheldSettings handheld;
    try {
        handheld = parseHandheldSettings(environmentText("VISTREL_HANDHELD"));
    } catch (const BadSetting& e) {
        sayError(std::string("VISTREL_HANDHELD: ") + e.what());
        return kBadSetting;
    }

    if (!handheld.recordFile.empty())
        recordCommandLine(handheld.recordFile);
    if (!arguments->usb) {
        say("Connecting to handheld on serial port " + arguments->port + "...");
        sayError("no handheld found on " + arguments->port);
        return kNoHandheld;
    }
    say("Connecting to handheld on USB...");
    if (!handheld.attached) {
        sayError("no handheld found on USB");
        return kNoHandheld;
    }
    if (handheld.hang)
        Sleep(INFINITE);
    if (handheld.crash)
        TerminateProcess(GetCurrentProcess(), kCrashCode);

    if (handheld.password) {
        const Unlock result = unlock(*arguments, handheld.secret);
        if (result == Unlock::NoPassword) {
            say("");  // ends the prompt's line
            sayError("no password given; the handheld stays locked");
            return kLocked;
        }
        if (result == Unlock::WrongPassword) {
            sayError("wrong password; the handheld stays locked");
            return kWrongPassword;
        }
    }
    say("Connected to simulated handheld, screen " + std::to_string(handheld.width) + "x" +
        std::to_string(handheld.height) + ", " + std::to_string(handheld.bitsPerPixel) + " bits per pixel");
    printNoise(handheld.noiseBytes);
    if (handheld.helper)
        leaveHelper();
    if (handheld.delayMs)
        Sleep(handheld.delayMs);

    say("Reading screen...");
    std::vector<std::uint8_t> bitmap;
    if (!handheld.screenFile.empty()) {
        if (!readFile(handheld.screenFile, bitmap)) {
            sayError("VISTREL_HANDHELD: cannot read screen file " + handheld.screenFile);
            return kBadSetting;
        }
    } else {
        SYSTEMTIME now;
        GetLocalTime(&now);
        bitmap = encodeBitmapFile(drawHomeScreen(handheld.width, handheld.height, now), handheld.bitsPerPixel);
    }
    if (!writeFile(arguments->screenshotFile, bitmap)) {
        DeleteFileA(arguments->screenshotFile.c_str());
        sayError("cannot write " + arguments->screenshotFile);
        return kCannotWrite;
    }
    say("Screen saved to " + arguments->screenshotFile + " (" + std::to_string(bitmap.size()) + " bytes)");
    return kSaved;
}

}  // namespace
}  // namespace loader

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    try {
        return loader::run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Error: %s\r\n", e.what());
        return loader::kCannotWrite;
    }
}

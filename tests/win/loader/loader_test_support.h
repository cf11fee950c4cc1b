// Helpers shared by the loader tests: files, the environment, child programs, process
// lists and message boxes, all for real under Wine.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "capture/loader_run.h"
#include "tests/win/support/processes.h"

namespace loader_test {

// The hidden log of the tests: keeps each entry.
class MemoryLog : public capture::LoaderLog {
public:
    void append(const std::string& text) override { entries.push_back(text); }
    std::string all() const;
    std::vector<std::string> entries;
};

std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// Makes c:\temp and removes what a capture stages there.
void cleanStagingFolder();

// Stages the loader of the module (this program's when null) as a capture does, and lets
// go of it and of the staging folder.
void stage(HMODULE module = nullptr);

// A test that starts and ends with a clean staging folder.
class StagingFolderTest : public ::testing::Test {
protected:
    void SetUp() override { cleanStagingFolder(); }
    void TearDown() override { cleanStagingFolder(); }
};

// The folder of this test program, with a trailing backslash; its helpers sit beside it.
std::string programFolder();

// Sets an environment variable for the test's lifetime; children inherit it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// Runs a command line to its end with standard output and error in one pipe and, when given,
// `input` on standard input (then its end); without input, standard input is at its end at once.
struct Ran {
    DWORD exitCode = 0;
    std::string output;
};
Ran runProgram(const std::string& commandLine, const std::string& input = "");

using testing_support::processesNamed;

}  // namespace loader_test

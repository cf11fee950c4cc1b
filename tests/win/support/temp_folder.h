// A folder made for one test under C:\vistrel-tests and removed with everything in it
// afterwards.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

class TempFolder {
public:
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Makes a subfolder (and its parents) and answers its full path.
    std::string makeSubfolder(const std::string& relative) const;

private:
    std::string path_;
};

// Removes a folder and everything below it; absent is fine.
void removeTree(const std::string& path);

// The names in a folder (no "." or ".."), sorted.
std::vector<std::string> namesIn(const std::string& folder);

// Runs the thread's pending messages.
void pumpMessages();

}  // namespace testing_support

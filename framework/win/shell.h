// What the program asks of the Windows shell: showing a folder, opening a file.
#pragma once

#include <string>

namespace fw {

class Shell {
public:
    // Opens the folder in Explorer, with the file selected when one is given. False when the
    // shell could not.
    virtual bool showInFolder(const std::string& folder, const std::string& selected) = 0;
    // Opens the file in the program Windows associates with its type. False when it could not.
    virtual bool openFile(const std::string& path) = 0;

protected:
    ~Shell() = default;  // never owned through this interface
};

// The shell of the running Windows.
class WindowsShell : public Shell {
public:
    bool showInFolder(const std::string& folder, const std::string& selected) override;
    bool openFile(const std::string& path) override;
};

}  // namespace fw

// What the tests do from the Linux side of Wine: links made the way another program on the
// machine could make them (inside the test prefix, where Wine shows them as files and
// folders of its drives), and Linux programs run to check the program's work.
#pragma once

#include <string>

namespace testing_support {

// The Linux path of a Windows path under Wine; empty when there is none.
std::string unixPathOf(const std::string& windowsPath);

// Runs a Linux shell command line (paths in it are Linux paths, quoted with '...') and
// answers whether it succeeded.
bool runLinuxCommand(const std::string& shellCommand);

// A path quoted for the Linux shell.
std::string shellQuoted(const std::string& path);

// Makes `link` (replacing what is there) a symbolic link to `target`, both Windows paths.
// Answers whether the link is in place.
bool makeUnixLink(const std::string& target, const std::string& link);

// Makes `name` a second name (hard link) of `existing`. Answers whether it is in place.
bool makeUnixHardLink(const std::string& existing, const std::string& name);

// Removes the name from Linux: a link itself, never what it points to (which Windows calls
// through Wine would reach); a real folder with all it holds, links inside it as links.
void removeUnixName(const std::string& windowsPath);

// A symbolic link for the length of a test: made on construction (ok() tells whether it
// is), removed as a link at the end.
class ScopedUnixLink {
public:
    ScopedUnixLink(const std::string& target, const std::string& link) : link_(link), ok_(makeUnixLink(target, link)) {}
    ~ScopedUnixLink() { removeUnixName(link_); }
    ScopedUnixLink(const ScopedUnixLink&) = delete;
    ScopedUnixLink& operator=(const ScopedUnixLink&) = delete;
    bool ok() const { return ok_; }

private:
    std::string link_;
    bool ok_;
};

// The access list of a file or folder in the security descriptor string format
// ("D:P(A;...)..."); empty when it cannot be read.
std::string accessListText(const std::string& path);

}  // namespace testing_support

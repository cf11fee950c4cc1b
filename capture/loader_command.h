// The loader's command line.
#pragma once

#include <string>

namespace capture {

// "c:\temp\JavaLoader.exe -u screenshot c:\temp\tmpsnap.bmp"; with a password, "-w<password>"
// follows "-u", quoted as Windows programs read their arguments when it holds a space, a
// tab or a quote.
std::string loaderCommandLine(const std::string& password);

// True when the loader's output asks for the handheld's password ("password" in any case).
bool asksForPassword(const std::string& output);

}  // namespace capture

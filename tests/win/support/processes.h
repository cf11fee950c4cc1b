// The processes running on the machine (under Wine: in the test prefix's session).
#pragma once

#include <windows.h>

#include <vector>

namespace testing_support {

// Ids of the running processes whose executable has this name.
std::vector<DWORD> processesNamed(const char* exeName);

}  // namespace testing_support

#include "tests/win/support/processes.h"

#include <tlhelp32.h>

#include "framework/win/handle.h"

namespace testing_support {

std::vector<DWORD> processesNamed(const char* exeName)
{
    std::vector<DWORD> ids;
    fw::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry))
        if (lstrcmpiA(entry.szExeFile, exeName) == 0)
            ids.push_back(entry.th32ProcessID);
    return ids;
}

}  // namespace testing_support

#include "capture/loader_process.h"

#include <cstring>
#include <vector>

namespace capture {
namespace {

constexpr DWORD kStartupFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;  // 0x101
constexpr UINT kEndedExitCode = 1;
// Windows 10 (1607 on) then loads the loader's DLLs from System32 before its own folder,
// which others can write to. (Not in the headers for the Windows versions we build for.)
constexpr DWORD64 kPreferSystem32Dlls = 0x1ULL << 60;

// A job whose processes all end when it is closed, even should the program itself end
// abruptly; null where Windows does not give one.
fw::UniqueHandle makeJob()
{
    fw::UniqueHandle job(CreateJobObjectA(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job && !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        job.reset();
    return job;
}

// What a new process inherits and how it is made, beyond its start-up information.
class ProcessAttributes {
public:
    ProcessAttributes(HANDLE* inherited, bool preferSystem32Dlls)
    {
        const DWORD count = preferSystem32Dlls ? 2 : 1;
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, count, 0, &size);
        storage_.resize(size);
        list_ = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (!InitializeProcThreadAttributeList(list_, count, 0, &size)) {
            list_ = nullptr;
            return;
        }
        UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited, sizeof(HANDLE), nullptr,
                                  nullptr);
        if (preferSystem32Dlls)
            UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_MITIGATION_POLICY, &policy_, sizeof policy_,
                                      nullptr, nullptr);
    }
    ~ProcessAttributes()
    {
        if (list_)
            DeleteProcThreadAttributeList(list_);
    }
    ProcessAttributes(const ProcessAttributes&) = delete;
    ProcessAttributes& operator=(const ProcessAttributes&) = delete;
    LPPROC_THREAD_ATTRIBUTE_LIST list() const { return list_; }

private:
    std::vector<char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
    DWORD64 policy_ = kPreferSystem32Dlls;
};

bool createSuspended(const char* commandLine, HANDLE output, bool preferSystem32Dlls, PROCESS_INFORMATION& started)
{
    HANDLE inherited = output;
    const ProcessAttributes attributes(&inherited, preferSystem32Dlls);
    // Built from nothing: none of the program's own start-up information goes to the loader.
    STARTUPINFOEXA startup{};
    startup.StartupInfo.cb = sizeof(startup);
    startup.StartupInfo.dwFlags = kStartupFlags;
    startup.StartupInfo.wShowWindow = SW_HIDE;
    startup.StartupInfo.hStdInput = nullptr;
    startup.StartupInfo.hStdOutput = output;
    startup.StartupInfo.hStdError = output;
    startup.lpAttributeList = attributes.list();
    const DWORD flags = CREATE_SUSPENDED | (attributes.list() ? EXTENDED_STARTUPINFO_PRESENT : 0);
    std::vector<char> command(commandLine, commandLine + std::strlen(commandLine) + 1);
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                          &startup.StartupInfo, &started) != FALSE;
}

}  // namespace

LoaderProcess::LoaderProcess(const char* commandLine, HANDLE output) : job_(makeJob())
{
    PROCESS_INFORMATION started{};
    // Windows versions that do not know the DLL policy refuse it: start without it there.
    if (!createSuspended(commandLine, output, true, started) && !createSuspended(commandLine, output, false, started))
        return;
    process_.reset(started.hProcess);
    const fw::UniqueHandle thread(started.hThread);
    if (job_ && !AssignProcessToJobObject(job_.get(), process_.get()))
        job_.reset();  // already in a job that allows no other: the loader alone is ended then
    ResumeThread(thread.get());
}

void LoaderProcess::endAll()
{
    if (!process_)
        return;
    if (job_)
        TerminateJobObject(job_.get(), kEndedExitCode);
    else if (!ended())
        TerminateProcess(process_.get(), kEndedExitCode);
    WaitForSingleObject(process_.get(), 5000);
    // The processes it started end with it; until they have, they may still hold files.
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    for (int i = 0; job_ && i < 500; ++i) {
        if (!QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &accounting,
                                       sizeof accounting, nullptr) ||
            accounting.ActiveProcesses == 0)
            break;
        Sleep(10);
    }
}

}  // namespace capture

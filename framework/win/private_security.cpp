#include "framework/win/private_security.h"

#include <sddl.h>

#include <string>
#include <vector>

#include "framework/error.h"
#include "framework/win/handle.h"

namespace fw {
namespace {

// The current user's security identifier in its text form ("S-1-5-21-...").
std::string currentUserSid()
{
    UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()))
        throw errors::inOutError(GetLastError());
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size))
        throw errors::inOutError(GetLastError());
    char* text = nullptr;
    if (!ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text))
        throw errors::inOutError(GetLastError());
    const std::string sid(text);
    LocalFree(text);
    return sid;
}

}  // namespace

PrivateSecurity::PrivateSecurity()
{
    // A protected list (P): full access (FA) for SYSTEM, the Administrators and the user,
    // passed on to what is made inside a folder (OICI).
    const std::string sddl = "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" + currentUserSid() + ")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        throw errors::inOutError(GetLastError());
    descriptor_.reset(descriptor);
    attributes_.nLength = sizeof(attributes_);
    attributes_.lpSecurityDescriptor = descriptor;
    attributes_.bInheritHandle = FALSE;
}

}  // namespace fw

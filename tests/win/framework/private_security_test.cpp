// The security given to what the program makes in a folder others can write to.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <string>

#include "framework/win/private_security.h"

namespace {

TEST(PrivateSecurity, GrantsTheUserSystemAndTheAdministratorsAloneAndInheritsNothing)
{
    fw::PrivateSecurity security;
    const SECURITY_ATTRIBUTES* attributes = security.attributes();
    EXPECT_EQ(attributes->nLength, sizeof(SECURITY_ATTRIBUTES));
    EXPECT_FALSE(attributes->bInheritHandle);
    char* text = nullptr;
    ASSERT_TRUE(ConvertSecurityDescriptorToStringSecurityDescriptorA(
        attributes->lpSecurityDescriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr));
    const std::string list(text);
    LocalFree(text);
    const std::string start = "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;S-1-5-21-";
    EXPECT_EQ(list.substr(0, start.size()), start) << list;
    EXPECT_EQ(std::count(list.begin(), list.end(), '('), 3) << list;
}

}  // namespace

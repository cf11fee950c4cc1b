// The test prefix's real HKCU\SOFTWARE\vistrel, reached around the code under test: to
// start each test from a missing key, to plant values of any type and to look at what was
// written.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace testing_support {

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

// Removes the store key and everything under it, giving back access first if a test took it.
void removeStoreKey();

bool storeKeyExists();

// Number of values and subkeys under the store key.
DWORD storeKeyEntries();

// Sets a value of any type with exactly these bytes, creating the key when missing.
void plantValue(const std::string& name, DWORD type, const std::string& bytes);

// The value's type and bytes as the "A" functions give them; REG_NONE and no bytes when missing.
RawValue rawValue(const std::string& name);

// Replaces the store key's access list by an empty one, so that nobody can open it with
// full access; restoreAccessToStoreKey() undoes it. Answers whether the system took the list.
bool denyAccessToStoreKey();
void restoreAccessToStoreKey();

// The message of the framework error the action raises; "(no error)" when it raises none.
std::string errorMessageOf(const std::function<void()>& action);

}  // namespace testing_support

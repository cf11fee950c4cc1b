#include "tests/win/support/store_key.h"

#include <stdexcept>
#include <vector>

#include "framework/error.h"
#include "settings/settings_store.h"

namespace testing_support {
namespace {

void check(LSTATUS status, const char* what)
{
    if (status != ERROR_SUCCESS)
        throw std::runtime_error(std::string(what) + " failed with " + std::to_string(status));
}

bool setAccessList(PACL list)
{
    HKEY key = nullptr;
    // The owner may change the access list whatever the list says.
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings::kStoreKey, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return false;
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, list, FALSE);
    const LSTATUS status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

void removeStoreKey()
{
    restoreAccessToStoreKey();
    const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, settings::kStoreKey);
    if (status != ERROR_FILE_NOT_FOUND)
        check(status, "RegDeleteTreeA");
    if (storeKeyExists())
        throw std::runtime_error("the store key is still there");
}

bool storeKeyExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings::kStoreKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

DWORD storeKeyEntries()
{
    HKEY key = nullptr;
    check(RegOpenKeyExA(HKEY_CURRENT_USER, settings::kStoreKey, 0, KEY_READ, &key), "RegOpenKeyExA");
    DWORD subkeys = 0;
    DWORD values = 0;
    const LSTATUS status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                            &values, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    check(status, "RegQueryInfoKeyA");
    return subkeys + values;
}

void plantValue(const std::string& name, DWORD type, const std::string& bytes)
{
    HKEY key = nullptr;
    check(RegCreateKeyExA(HKEY_CURRENT_USER, settings::kStoreKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr),
          "RegCreateKeyExA");
    const LSTATUS status = RegSetValueExA(key, name.c_str(), 0, type,
                                          reinterpret_cast<const BYTE*>(bytes.data()),
                                          static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    check(status, "RegSetValueExA");
}

RawValue rawValue(const std::string& name)
{
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings::kStoreKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    std::vector<BYTE> buffer(1 << 20);
    DWORD size = static_cast<DWORD>(buffer.size());
    const LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, buffer.data(), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return {};
    value.bytes.assign(reinterpret_cast<const char*>(buffer.data()), size);
    return value;
}

bool denyAccessToStoreKey()
{
    ACL empty;
    InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    return setAccessList(&empty);
}

void restoreAccessToStoreKey()
{
    setAccessList(nullptr);  // a null list grants everyone everything
}

std::string errorMessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const fw::Error& e) {
        return e.message();
    }
    return "(no error)";
}

}  // namespace testing_support

#include "framework/win/registry.h"

#include <algorithm>
#include <cstring>

#include "framework/error.h"

namespace fw {

bool RegistryKey::open(HKEY root, const std::string& subkey)
{
    const LSTATUS status = RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_ALL_ACCESS, nullptr, key_.put(), nullptr);
    if (status != ERROR_SUCCESS)
        key_.release();  // the call may leave anything in the out parameter
    return status == ERROR_SUCCESS;
}

bool RegistryKey::valueExists(const std::string& name) const
{
    if (!key_)
        return false;
    return RegQueryValueExA(key_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string RegistryKey::readText(const std::string& name) const
{
    if (!key_)
        return {};
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::string data;
    for (;;) {
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw errors::invalidDataType(name);
        data.assign(size, '\0');
        DWORD got = size;
        const LSTATUS status = RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(data.data()), &got);
        if (status == ERROR_MORE_DATA) {  // the value grew after it was measured
            size = std::max<DWORD>(got, size + 1);
            continue;
        }
        if (status != ERROR_SUCCESS)  // removed after it was measured
            return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw errors::invalidDataType(name);
        data.resize(std::min(got, size));
        break;
    }
    // Stored data need not end in a zero byte, and may hold more than one.
    data.resize(std::strlen(data.c_str()));
    return data;
}

void RegistryKey::writeText(const std::string& name, const std::string& text)
{
    if (!key_)
        throw errors::failedToSetData(name);
    const LSTATUS status = RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>(text.size() + 1));
    if (status != ERROR_SUCCESS)
        throw errors::failedToSetData(name);
}

}  // namespace fw

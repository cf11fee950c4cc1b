// A registry key for one short open-use-close cycle. Values are 8-bit text in the system
// code page, through the "A" functions.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/handle.h"

namespace fw {

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&&) = default;
    RegistryKey& operator=(RegistryKey&&) = default;

    // Opens root\subkey with full access, creating it (non-volatile) when missing.
    // On failure the object goes on without a key and the call answers false.
    bool open(HKEY root, const std::string& subkey);
    bool isOpen() const { return static_cast<bool>(key_); }

    // Yes when the value is present, whatever its type; no without a key.
    bool valueExists(const std::string& name) const;

    // The text of a REG_SZ or REG_EXPAND_SZ value (not expanded) up to its first zero byte.
    // A value of another type raises invalidDataType; a value that is missing, or any
    // value without a key, reads as empty text.
    std::string readText(const std::string& name) const;

    // Creates or replaces the value as REG_SZ: the text and one terminating zero byte.
    // Raises failedToSetData when it cannot, or when there is no key.
    void writeText(const std::string& name, const std::string& text);

    void close() { key_.reset(); }

private:
    UniqueKey key_;
};

}  // namespace fw

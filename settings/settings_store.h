// The per-user settings: the save folder, the name prefix and the capture count, as text
// values of one registry key. A store object is one open-use-close cycle: make it at the
// start of the event that needs it and let it go at the end.
#pragma once

#include <cstdint>
#include <string>

#include "framework/win/registry.h"

namespace settings {

// Under HKEY_CURRENT_USER.
inline constexpr char kStoreKey[] = "SOFTWARE\\vistrel";

inline constexpr char kSnapPath[] = "snappath";  // the save folder
inline constexpr char kSnapName[] = "snapname";  // the file-name prefix, may be empty
inline constexpr char kCount[] = "jishu";        // the capture count, in decimal
inline constexpr char kClipboard[] = "clipboard";  // "1": every good capture goes to the clipboard too
inline constexpr char kPng[] = "png";              // "1": pictures are saved as lossless PNG

// Told of every value a store has written (tests that must tell one write from two of the
// same text implement it).
class WriteObserver {
public:
    virtual ~WriteObserver() = default;
    virtual void written(const std::string& name) = 0;
};

class SettingsStore {
public:
    // Opens the key, creating it when missing. When that fails the store goes on without a
    // key: has() answers no and every write raises failedToSetData.
    explicit SettingsStore(WriteObserver* observer = nullptr);

    bool isOpen() const { return key_.isOpen(); }

    bool has(const std::string& name) const { return key_.valueExists(name); }
    std::string readText(const std::string& name) const { return key_.readText(name); }
    void writeText(const std::string& name, const std::string& text);

    // A stored switch: on only when the value is the text "1"; missing, any other text or
    // a value of another type is off.
    bool readFlag(const std::string& name) const;
    void writeFlag(const std::string& name, bool on) { writeText(name, on ? "1" : "0"); }

    // The stored capture count; raises notValidInteger when the text is not an integer.
    std::int32_t readCount() const;
    void writeCount(std::int32_t count);

private:
    fw::RegistryKey key_;
    WriteObserver* observer_;
};

}  // namespace settings

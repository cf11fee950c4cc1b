#include "settings/settings_store.h"

#include "framework/error.h"
#include "framework/text/int_text.h"

namespace settings {

SettingsStore::SettingsStore(WriteObserver* observer) : observer_(observer)
{
    key_.open(HKEY_CURRENT_USER, kStoreKey);
}

void SettingsStore::writeText(const std::string& name, const std::string& text)
{
    key_.writeText(name, text);
    if (observer_)
        observer_->written(name);
}

bool SettingsStore::readFlag(const std::string& name) const
{
    try {
        return has(name) && readText(name) == "1";
    } catch (const fw::Error&) {
        return false;
    }
}

std::int32_t SettingsStore::readCount() const
{
    return fw::parseInt32(key_.readText(kCount));
}

void SettingsStore::writeCount(std::int32_t count)
{
    writeText(kCount, fw::toDecimal(count));
}

}  // namespace settings

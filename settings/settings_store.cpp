#include "settings/settings_store.h"

#include "framework/text/int_text.h"

namespace settings {

SettingsStore::SettingsStore()
{
    key_.open(HKEY_CURRENT_USER, kStoreKey);
}

std::int32_t SettingsStore::readCount() const
{
    return fw::parseInt32(key_.readText(kCount));
}

void SettingsStore::writeCount(std::int32_t count)
{
    key_.writeText(kCount, fw::toDecimal(count));
}

}  // namespace settings

#include "settings/settings_store.h"

#include "framework/text/int_text.h"

namespace settings {
namespace {
std::function<void(const std::string&)>& writeObserver()
{
    static std::function<void(const std::string&)> observer;
    return observer;
}
}  // namespace

void SettingsStore::setWriteObserver(std::function<void(const std::string&)> observer)
{
    writeObserver() = std::move(observer);
}

void SettingsStore::writeText(const std::string& name, const std::string& text)
{
    key_.writeText(name, text);
    if (writeObserver())
        writeObserver()(name);
}

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
    writeText(kCount, fw::toDecimal(count));
}

}  // namespace settings

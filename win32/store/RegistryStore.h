#pragma once

#include <windows.h>

#include <string>

#include "SettingsStore.h"

// The player's settings in the registry: text values under HKEY_CURRENT_USER\Software\Tarvelo,
// a key for each section. Updates hold a mutex that every copy of the game shares, so that two
// copies never write over each other's records; a copy that dies holding it leaves it to the
// next. A write the registry refuses fails the update, and is reported once.
class RegistryStore : public SettingsStore {
public:
    explicit RegistryStore(std::wstring key = L"Software\\Tarvelo");
    ~RegistryStore() override;
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    // Outside an update, a write is an update of its own.
    void write(std::string_view section, std::string_view key, std::string_view text) override;
    bool update(const std::function<void()>& change) override;

private:
    void report(bool written);

    std::wstring key_;
    HANDLE mutex_;
    bool updating_ = false;
    bool refused_ = false;  // a write of this update failed
    bool failing_ = false;  // the last update failed, and we said so
};

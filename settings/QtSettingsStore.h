#pragma once

#include <QSettings>
#include <memory>

#include "SettingsStore.h"

// The player's settings in Qt's native per-user store: ~/.config/Tarvelo/Tarvelo.conf on
// Linux, the registry on Windows.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& inifile);  // for tests

    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    void write(std::string_view section, std::string_view key, std::string_view text) override;

private:
    std::unique_ptr<QSettings> settings_;
};

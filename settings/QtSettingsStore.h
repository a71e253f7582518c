#pragma once

#include <QSettings>
#include <memory>

#include "SettingsStore.h"

// The player's settings in an INI file, by default ~/.config/Tarvelo/Tarvelo.conf (under
// $XDG_CONFIG_HOME when it is set). Updates hold a lock file beside it, so that two copies of
// the game never write over each other's records.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& file);

    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    void write(std::string_view section, std::string_view key, std::string_view text) override;
    bool update(const std::function<void()>& change) override;

private:
    void report(bool written);

    QString file_;
    std::unique_ptr<QSettings> settings_;
    bool failing_ = false;  // the last update did not reach the disk, and we said so
};

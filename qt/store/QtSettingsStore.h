#pragma once

#include <QSettings>
#include <memory>

#include "SettingsStore.h"

// The player's settings in an INI file, by default ~/.config/Tarvelo/Tarvelo.conf (under
// $XDG_CONFIG_HOME when it is set). Updates hold a lock file beside it, so that two copies of
// the game never write over each other's records, and each works on a copy of the store that
// replaces it whole once it is written.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& file);

    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    // Outside an update, a write is an update of its own.
    void write(std::string_view section, std::string_view key, std::string_view text) override;
    bool update(const std::function<void()>& change) override;

private:
    bool copystore(const QString& draft) const;
    bool readsback(const QSettings& settings, const QString& draft) const;
    void removeleftovers() const;
    void report(bool written);

    QString file_;
    std::unique_ptr<QSettings> settings_;  // the store, or while updating the draft
    bool updating_ = false;
    int drafts_ = 0;        // numbers this copy's drafts, so that no name is used twice
    bool failing_ = false;  // the last update did not reach the disk, and we said so
};

#pragma once

#include <map>
#include <string>

#include "SettingsStore.h"

// The player's settings in the browser's localStorage, one key per value ("Tarvelo/Options/Sound").
// An update's writes land together or not at all: when the storage refuses one (a private
// window, the quota), those already made are put back, so a record is never half stored. The
// page runs updates that keep records under a lock that every tab of the game shares.
class WebStore : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    // Outside an update, a write is an update of its own.
    void write(std::string_view section, std::string_view key, std::string_view text) override;
    bool update(const std::function<void()>& change) override;

private:
    static std::string path(std::string_view section, std::string_view key);
    static std::optional<std::string> stored(const std::string& path);
    bool commit();

    bool updating_ = false;
    std::map<std::string, std::string> pending_;  // an update's writes, by path
    bool failing_ = false;                        // the last update was refused, and we said so
};

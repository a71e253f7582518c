#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Per-user text values by section and key, always for the application "Tarvelo".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the key is absent.
    virtual std::optional<std::string> read(std::string_view section,
                                            std::string_view key) const = 0;
    virtual void write(std::string_view section, std::string_view key, std::string_view text) = 0;

    // Runs change with this copy of the program alone on the store: what it reads is what is
    // stored now, and what it writes is on disk when this returns. False when the store could
    // not be had (change did not run) or its writes did not reach the disk.
    virtual bool update(const std::function<void()>& change) {
        change();
        return true;
    }
};

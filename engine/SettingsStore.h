#pragma once

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
};

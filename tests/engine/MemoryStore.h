#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "SettingsStore.h"

// A settings store in memory that remembers the order of its writes. Its updates can be
// refused outright (the lock not had) or lost after the change has run (a full disk).
class MemoryStore : public SettingsStore {
public:
    enum class Update { Writes, Refused, Lost };

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> order;
    Update updates = Update::Writes;

    std::optional<std::string> read(std::string_view section, std::string_view key) const override {
        const auto it = values.find({std::string(section), std::string(key)});
        if (it == values.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    void write(std::string_view section, std::string_view key, std::string_view text) override {
        values[{std::string(section), std::string(key)}] = std::string(text);
        order.push_back(std::string(section) + "/" + std::string(key));
    }
    bool update(const std::function<void()>& change) override {
        if (updates == Update::Refused) {
            return false;
        }
        const auto before = values;
        change();
        if (updates == Update::Lost) {
            values = before;
            return false;
        }
        return true;
    }
    void set(const char* section, const char* key, const char* text) {
        values[{section, key}] = text;
    }
};

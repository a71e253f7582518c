#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "SettingsStore.h"

// A settings store in memory that remembers the order of its writes.
class MemoryStore : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> order;

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
    void set(const char* section, const char* key, const char* text) {
        values[{section, key}] = text;
    }
};

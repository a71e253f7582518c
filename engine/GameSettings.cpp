// Loading and saving the options, palette, starting level, key bindings and records.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>

#include "Game.h"

namespace {

// Strict: the whole text must be a decimal number in range, or the row's default applies.
std::optional<std::int64_t> parseint(const std::optional<std::string>& text, std::int64_t min,
                                     std::int64_t max) {
    if (!text || text->empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const char* first = text->data();
    const char* last = first + text->size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> parsebool(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    std::string lower = *text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true") {
        return true;
    }
    if (lower == "false") {
        return false;
    }
    if (const auto number = parseint(text, INT64_MIN, INT64_MAX)) {
        return *number != 0;
    }
    return std::nullopt;
}

constexpr std::int64_t kInt32Min = INT32_MIN;
constexpr std::int64_t kInt32Max = INT32_MAX;
constexpr const char* kKeyNames[] = {"Left", "Right", "Rotate", "Drop"};

}  // namespace

void Game::loadsettings(const SettingsStore& store) {
    sound = parsebool(store.read("Options", "Sound")).value_or(true);
    anim = parsebool(store.read("Options", "Animation")).value_or(true);
    const std::uint32_t defaults[] = {0x003038CF, 0x0000FF00, 0x00FF8000, 0x006FFFFF};
    for (int n = 1; n <= 4; ++n) {
        const auto value = parseint(store.read("Colors", std::to_string(n)), 0, 0xFFFFFF);
        palette[n] = value ? static_cast<std::uint32_t>(*value) : defaults[n - 1];
    }
    startlevel =
        static_cast<int>(parseint(store.read("Options", "Level"), 1, kMaxLevel).value_or(1));
    std::int32_t* keys[] = {&keyleft, &keyright, &keyrotate, &keydrop};
    const std::int32_t keydefaults[] = {37, 39, 38, 40};
    for (int i = 0; i < 4; ++i) {
        const auto value = parseint(store.read("Keys", kKeyNames[i]), kInt32Min, kInt32Max);
        *keys[i] = static_cast<std::int32_t>(value.value_or(keydefaults[i]));
    }
    for (int n = 1; n <= 10; ++n) {
        const auto value =
            parseint(store.read("TopScores", "Record " + std::to_string(n)), kInt32Min, kInt32Max);
        topscore[n - 1] = static_cast<std::int32_t>(value.value_or(0));
    }
    for (int n = 1; n <= 10; ++n) {
        topname[n - 1] = store.read("TopScores", "Name " + std::to_string(n)).value_or("-");
    }
}

void Game::savesettings(SettingsStore& store) const {
    store.write("Options", "Sound", sound ? "True" : "False");
    store.write("Options", "Animation", anim ? "True" : "False");
    for (int n = 1; n <= 4; ++n) {
        store.write("Colors", std::to_string(n), std::to_string(palette[n]));
    }
    store.write("Options", "Level", std::to_string(startlevel));
    const std::int32_t keys[] = {keyleft, keyright, keyrotate, keydrop};
    for (int i = 0; i < 4; ++i) {
        store.write("Keys", kKeyNames[i], std::to_string(keys[i]));
    }
    for (int n = 1; n <= 10; ++n) {
        store.write("TopScores", "Record " + std::to_string(n), std::to_string(topscore[n - 1]));
    }
    for (int n = 1; n <= 10; ++n) {
        store.write("TopScores", "Name " + std::to_string(n), topname[n - 1]);
    }
}

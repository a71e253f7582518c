#include "BrowserKeys.h"

#include <charconv>
#include <utility>

#include "KeyPlaces.h"

namespace {

// Keys that type no character, by what the browser says they are.
constexpr std::pair<std::string_view, std::int32_t> kKeys[] = {
    {"Backspace", 8},    {"Tab", 9},       {"Clear", 12},       {"Enter", 13},
    {"Shift", 16},       {"Control", 17},  {"Alt", 18},         {"AltGraph", 18},
    {"Pause", 19},       {"CapsLock", 20}, {"Escape", 27},      {" ", 32},
    {"PageUp", 33},      {"PageDown", 34}, {"End", 35},         {"Home", 36},
    {"ArrowLeft", 37},   {"ArrowUp", 38},  {"ArrowRight", 39},  {"ArrowDown", 40},
    {"PrintScreen", 44}, {"Insert", 45},   {"Delete", 46},      {"Meta", 91},
    {"ContextMenu", 93}, {"NumLock", 144}, {"ScrollLock", 145},
};

// The keypad's keys by their place, whatever NumLock makes them type.
constexpr std::pair<std::string_view, std::int32_t> kKeypad[] = {
    {"NumpadMultiply", 106}, {"NumpadAdd", 107},    {"NumpadSubtract", 109},
    {"NumpadDecimal", 110},  {"NumpadDivide", 111},
};

// Punctuation, for when the key's place is unknown.
constexpr std::pair<char, std::int32_t> kPunctuation[] = {
    {';', 186}, {'=', 187}, {'+', 187}, {',', 188},  {'-', 189}, {'.', 190},
    {'/', 191}, {'`', 192}, {'[', 219}, {'\\', 220}, {']', 221}, {'\'', 222},
};

}  // namespace

// As Windows hands out virtual keys: special keys and Latin letters and digits by what they
// are, so a French layout's A is A; any other character by its place, so that a Russian layout
// plays like a Latin one.
std::optional<std::int32_t> keycode(std::string_view key, std::string_view code) {
    const bool keypad = code.starts_with("Numpad");
    if (keypad && code.size() == 7 && code[6] >= '0' && code[6] <= '9' && key.size() == 1) {
        return 96 + (code[6] - '0');  // with NumLock on; off, the key says what it does
    }
    for (const auto& [name, vk] : kKeypad) {
        if (code == name) {
            return vk;
        }
    }
    if (key.size() >= 2 && key[0] == 'F') {
        int n = 0;
        const auto [end, error] = std::from_chars(key.data() + 1, key.data() + key.size(), n);
        if (error == std::errc{} && end == key.data() + key.size() && n >= 1 && n <= 24) {
            return 111 + n;
        }
    }
    for (const auto& [name, vk] : kKeys) {
        if (key == name) {
            return vk;
        }
    }
    if (key.size() == 1) {
        const char c = key[0];
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) {
            return c;
        }
        if (c >= 'a' && c <= 'z') {
            return c - 'a' + 'A';
        }
    }
    if (const auto vk = ui::keyatplace(code)) {
        return *vk;
    }
    if (key.size() == 1) {
        for (const auto& [c, vk] : kPunctuation) {
            if (key[0] == c) {
                return vk;
            }
        }
    }
    return std::nullopt;
}

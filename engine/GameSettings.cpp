// Loading and saving the options, palette, starting level, key bindings and records.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "Game.h"

namespace {

// Blanks around a number are a hand edit, not a different value.
std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Otherwise strict: the whole text must be a decimal number in range, or the row's default
// applies.
std::optional<std::int64_t> parseint(const std::optional<std::string>& text, std::int64_t min,
                                     std::int64_t max) {
    if (!text) {
        return std::nullopt;
    }
    const std::string_view digits = trimmed(*text);
    std::int64_t value = 0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (digits.empty() || error != std::errc() || end != last || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

// A flag is a word, True or False in any case, or any decimal number, fraction included:
// non-zero is on. Read digit by digit, so no number is too long.
std::optional<bool> parsebool(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    std::string word(trimmed(*text));
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word == "true" || word == "false") {
        return word == "true";
    }
    std::string_view number = word;
    if (number.starts_with('-')) {
        number.remove_prefix(1);
    }
    const auto point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    const auto alldigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(),
                           [](unsigned char c) { return std::isdigit(c) != 0; });
    };
    if (whole.size() + fraction.size() == 0 || !alldigits(whole) || !alldigits(fraction)) {
        return std::nullopt;
    }
    const auto nonzero = [](std::string_view part) {
        return part.find_first_not_of('0') != std::string_view::npos;
    };
    return nonzero(whole) || nonzero(fraction);
}

constexpr std::int64_t kInt32Min = INT32_MIN;
constexpr std::int64_t kInt32Max = INT32_MAX;
constexpr const char* kKeyNames[] = {"Left", "Right", "Rotate", "Drop"};

struct Records {
    std::array<std::int32_t, 10> score{};
    std::array<std::string, 10> name;
};

Records readrecords(const SettingsStore& store) {
    Records r;
    for (int n = 1; n <= 10; ++n) {
        const auto value =
            parseint(store.read("TopScores", "Record " + std::to_string(n)), kInt32Min, kInt32Max);
        r.score[n - 1] = static_cast<std::int32_t>(value.value_or(0));
    }
    for (int n = 1; n <= 10; ++n) {
        r.name[n - 1] = store.read("TopScores", "Name " + std::to_string(n)).value_or("-");
    }
    return r;
}

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
        // Only 1..255 can be bound in the dialog; anything else would leave the action dead.
        const auto value = parseint(store.read("Keys", kKeyNames[i]), 1, 255);
        *keys[i] = static_cast<std::int32_t>(value.value_or(keydefaults[i]));
    }
    const Records stored = readrecords(store);
    topscore = storedscore_ = stored.score;
    topname = storedname_ = stored.name;
}

void Game::savesettings(SettingsStore& store) {
    const bool written = store.update([&] {
        mergerecords(store);
        writesettings(store);
    });
    if (written) {
        storedscore_ = topscore;
        storedname_ = topname;
    }
}

void Game::storerecord(SettingsStore& store, const std::string& name) {
    bool inserted = false;
    const bool written = store.update([&] {
        mergerecords(store);
        // Other copies' records may have filled the list since this one looked; the tenth
        // place goes to the better score.
        if (qualifies()) {
            insertrecord(name);
        }
        inserted = true;
        writesettings(store);
    });
    if (!inserted) {
        insertrecord(name);  // the store could not be had: kept here, merged at the next save
    }
    if (written) {
        storedscore_ = topscore;
        storedname_ = topname;
    }
}

// Another copy of the game may have stored records since this one last read or wrote them:
// its list is taken, and the records this copy added since go in on top of it.
void Game::mergerecords(const SettingsStore& store) {
    const Records stored = readrecords(store);
    if (stored.score == storedscore_ && stored.name == storedname_) {
        return;  // nobody else wrote: ours stands
    }
    std::vector<int> added;  // ours that the list we last saw does not hold
    std::array<bool, 10> matched{};
    for (int i = 0; i < 10; ++i) {
        int j = 0;
        while (j < 10 &&
               (matched[j] || storedscore_[j] != topscore[i] || storedname_[j] != topname[i])) {
            ++j;
        }
        if (j < 10) {
            matched[j] = true;
        } else {
            added.push_back(i);
        }
    }
    // From here the store's list is the baseline, whether or not this update's write lands: a
    // write that fails leaves the store as it was read, and the next update merges against it.
    storedscore_ = stored.score;
    storedname_ = stored.name;
    const auto ours = std::make_pair(topscore, topname);
    topscore = stored.score;
    topname = stored.name;
    // Worst first, so that equal scores of ours keep their order.
    for (auto i = added.rbegin(); i != added.rend(); ++i) {
        if (ours.first[*i] >= topscore[9]) {
            placerecord(ours.first[*i], ours.second[*i]);
        }
    }
}

void Game::writesettings(SettingsStore& store) const {
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

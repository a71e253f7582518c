#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "StoreRows.h"

// What the player sees of the main window, by what it belongs to: the game ("game:"), the options
// ("option:"), the windows over the main one ("window:") and the stored settings ("store:").
// Each front end's test fills it in its toolkit.
using Seen = std::map<std::string, std::string>;

// Every value the store holds.
inline std::vector<std::pair<std::string, std::string>> storerows() {
    std::vector<std::pair<std::string, std::string>> rows{
        {std::string(ui::kOptions), std::string(ui::kSound)},
        {std::string(ui::kOptions), std::string(ui::kAnimation)},
        {std::string(ui::kOptions), std::string(ui::kLevel)}};
    for (int n = 1; n <= 4; ++n) {
        rows.emplace_back(ui::kColors, ui::colorkey(n));
    }
    for (std::string_view key : ui::kKeyNames) {
        rows.emplace_back(ui::kKeys, key);
    }
    for (int n = 1; n <= 10; ++n) {
        rows.emplace_back(ui::kTopScores, ui::recordkey(n));
        rows.emplace_back(ui::kTopScores, ui::namekey(n));
    }
    return rows;
}

// Every command a player gives the main window: menu items (by name, with a level's index),
// shortcuts and buttons, with what each may change and what it must.
struct Command {
    std::string name;
    std::set<std::string> changes;  // kinds, or the start of a name
    std::string must;
    std::string from = {};  // the state it must change it from, if only from one
};

inline const std::vector<Command>& commands() {
    static const std::vector<Command> table{
        {"m_newgame", {"game"}, "game:clock", "idle"},
        {"F2", {"game"}, "game:clock", "idle"},
        {"m_pause", {"game"}, "game:Command2", "play"},
        {"m_topscores", {"game", "window"}, "window:Десятка лучших результатов"},
        {"Ctrl+H", {"game", "window"}, "window:Десятка лучших результатов"},
        {"m_exit", {"store"}, "store:Options/Sound"},
        {"Ctrl+X", {"store"}, "store:Options/Sound"},
        {"m_level1", {"option:m_level"}, ""},
        {"m_level5", {"option:m_level"}, "option:m_level5"},
        {"m_sound", {"option:m_sound"}, "option:m_sound"},
        {"m_anim", {"option:m_anim"}, "option:m_anim"},
        {"m_colors", {"game", "window"}, "window:Цвета"},
        {"m_keys", {"game", "window"}, "window:Клавиши"},
        {"m_rules", {"game", "window"}, "window:Правила"},
        {"m_about", {"game", "window"}, "window:О программе"},
        {"Command1", {"game"}, "game:clock"},
        {"Command2", {"game"}, "game:clock"},
    };
    return table;
}

// What went wrong when the command was given from that state: each thing it changed without
// naming it, and what it had to change and did not.
inline std::vector<std::string> wrongchanges(const Command& command, const std::string& state,
                                             const Seen& before, const Seen& after) {
    std::set<std::string> keys;
    for (const Seen* seen : {&before, &after}) {
        for (const auto& [what, value] : *seen) {
            keys.insert(what);
        }
    }
    const auto changed = [&](const std::string& what) {
        return !before.contains(what) || !after.contains(what) || before.at(what) != after.at(what);
    };
    std::vector<std::string> wrong;
    for (const std::string& what : keys) {
        const bool named = std::any_of(
            command.changes.begin(), command.changes.end(), [&](const std::string& may) {
                return what.starts_with(may.find(':') == std::string::npos ? may + ":" : may);
            });
        if (changed(what) && !named) {
            wrong.push_back(what + " changed");
        }
    }
    if (!command.must.empty() && (command.from.empty() || command.from == state) &&
        !changed(command.must)) {
        wrong.push_back(command.must + " did not change");
    }
    return wrong;
}

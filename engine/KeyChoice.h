#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Game.h"

// The keys window's logic, whatever draws it: the four bindings (left, right, turn, drop) as
// the player has pressed them so far, each a key with a name, which the game takes only on
// "Ok".
class KeyChoice {
public:
    explicit KeyChoice(Game& game);

    std::int32_t code(int field) const { return pending_.at(static_cast<std::size_t>(field)); }
    std::string name(int field) const;
    // A key pressed in a field: false, and nothing changed, for a key without a name, at which
    // the window beeps.
    bool press(int field, std::int32_t code);
    // "Ok". "Отмена" and every other way of closing leave the game's keys as they were.
    void ok();

private:
    Game& game_;
    std::array<std::int32_t, 4> pending_;
};

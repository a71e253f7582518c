#pragma once

#include <cstdint>

#include "Game.h"

// The colours window's logic, whatever draws it: the four colours as the player has picked
// them so far, which the game takes only on "Ok".
class ColorChoice {
public:
    explicit ColorChoice(Game& game) : game_(game), col_(game.palette()) {}

    std::uint32_t color(int n) const { return col_[n]; }  // 1 to 4, 0x00BBGGRR
    void pick(int n, std::uint32_t color);
    // "Ok". "Отмена" and every other way of closing leave the game's colours as they were.
    void ok();

private:
    Game& game_;
    Game::Palette col_;
};

#pragma once

#include <initializer_list>

#include "Game.h"

// Lays out the board from a picture: rows of '.' and '1'..'4', the last one on row 14, with
// the floor below and nothing above.
inline void setrows(Game& game, std::initializer_list<const char*> rows) {
    for (auto& column : game.board) {
        column.fill(0);
        column[Game::kRows] = Game::kFloorValue;
    }
    int y = Game::kRows - static_cast<int>(rows.size());
    for (const char* row : rows) {
        for (int x = 0; x < Game::kColumns; ++x) {
            game.board[x][y] = row[x] == '.' ? 0 : static_cast<std::int16_t>(row[x] - '0');
        }
        ++y;
    }
}

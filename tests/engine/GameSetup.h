#pragma once

#include <array>
#include <span>

#include "Game.h"

// Lays out a game for a test: the board, the pair, the preview and what the main window shows.
// Besides the engine's own procedures, the only writer of the game's state.
class GameSetup {
public:
    explicit GameSetup(Game& game)
        : board(game.board_),
          pairx(game.pairx_),
          pairy(game.pairy_),
          pairdir(game.pairdir_),
          paircolor1(game.paircolor1_),
          paircolor2(game.paircolor2_),
          nextcolor(game.nextcolor_),
          display(game.display_) {}

    Game::Board& board;
    int& pairx;
    int& pairy;
    int& pairdir;
    int& paircolor1;
    int& paircolor2;
    std::array<int, 2>& nextcolor;
    DisplayState& display;
};

inline GameSetup set(Game& game) {
    return GameSetup(game);
}

// Lays out the board from a picture: rows of '.' and '1'..'4', the last one on row 14, with
// the floor below and nothing above.
inline void setrows(Game& game, std::span<const char* const> rows) {
    Game::Board& board = set(game).board;
    for (auto& column : board) {
        column.fill(0);
        column[Game::kRows] = Game::kFloorValue;
    }
    int y = Game::kRows - static_cast<int>(rows.size());
    for (const char* row : rows) {
        for (int x = 0; x < Game::kColumns; ++x) {
            board[x][y] = row[x] == '.' ? 0 : static_cast<std::int16_t>(row[x] - '0');
        }
        ++y;
    }
}

inline void setrows(Game& game, std::initializer_list<const char*> rows) {
    setrows(game, std::span<const char* const>(rows.begin(), rows.size()));
}

// Falling and landing: new pairs, the clock's step, settling and repainting the board.
#include <cmath>

#include "Game.h"

namespace {
// Where ball 2 lies from ball 1, by pairdir: below, left, above, right.
constexpr Game::Cell kBall2[] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
}  // namespace

void Game::newpair() {
    pairdir_ = 0;
    pairx_ = 2;
    pairy_ = 0;
    paircolor1_ = nextcolor_[0];
    paircolor2_ = nextcolor_[1];
    nextcolor_[0] = randomcolor();
    nextcolor_[1] = randomcolor();
    display_.next = {palette_[nextcolor_[0]], palette_[nextcolor_[1]]};
    showpair();
}

// r * 3 + 1 rounded half to even: 2 and 3 come twice as often as 1 and 4.
int Game::randomcolor() {
    const float r = static_cast<float>(rng_() >> 8) * 0x1p-24f;  // [0, 1), 24 bits
    return static_cast<int>(std::nearbyint(r * 3.0f + 1.0f));
}

// The pair lands in the step that brings it onto its resting row: when the cell below either
// ball is taken, by a ball or the floor (the cell below ball 1 of an upright pair is ball 2's
// own, which the board holds free).
int Game::tick() {
    if (landing_) {
        return 0;
    }
    const auto resting = [this] {
        const Cell b2 = ball2();
        return !free(pairx_, pairy_ + 1) || !free(b2.x, b2.y + 1);
    };
    // A pair moved or turned onto a ledge (or dealt onto a high column) is already resting:
    // moving it first would write it over a ball.
    if (!resting()) {
        hideemptycells();
        ++pairy_;
        if (!resting()) {
            showball({pairx_, pairy_}, paircolor1_);
            showball(ball2(), paircolor2_);
            return 1;
        }
    }
    const Cell b2 = ball2();
    board_[pairx_][pairy_] = static_cast<std::int16_t>(paircolor1_);
    board_[b2.x][b2.y] = static_cast<std::int16_t>(paircolor2_);
    landpair();
    return 0;
}

// Settles, repaints and removes until no group is left, then deals the next pair; a blink
// stops it, and blinktick goes on with it once the blink is over.
void Game::landpair() {
    landing_ = true;
    while (blink_.what == Blink::What::none) {
        bool moved = true;
        while (moved) {
            moved = false;
            for (auto& column : board_) {
                for (int y = kRows - 2; y >= 0; --y) {
                    if (column[y] != 0 && column[y + 1] == 0) {
                        column[y + 1] = column[y];
                        column[y] = 0;
                        moved = true;
                    }
                }
            }
        }
        drawboard();
        if (removegroups() != 1) {
            endlanding();
            return;
        }
    }
}

void Game::endlanding() {
    newpair();
    landing_ = false;
}

void Game::drawboard() {
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            auto& ball = display_.ball[y * kColumns + x];
            ball.visible = board_[x][y] != 0;
            if (ball.visible) {
                ball.color = palette_[board_[x][y]];
            }
        }
    }
}

void Game::hideemptycells() {
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (board_[x][y] == 0) {
                display_.ball[y * kColumns + x].visible = false;
            }
        }
    }
}

void Game::showball(Cell cell, int color) {
    display_.ball[cell.y * kColumns + cell.x] = {true, palette_[color]};
}

Game::Cell Game::ball2() const {
    return {pairx_ + kBall2[pairdir_].x, pairy_ + kBall2[pairdir_].y};
}

// Inside the well and empty: the floor below it, the walls beside it and the space above it
// are never free, also before the first game has laid the floor.
bool Game::free(int x, int y) const {
    return x >= 0 && x < kColumns && y >= 0 && y < kRows && board_[x][y] == 0;
}

// Falling and landing: new pairs, the clock's step, settling and repainting the board.
#include <cmath>

#include "Game.h"

void Game::newpair() {
    pairdir = 0;
    pairx = 2;
    pairy = 0;
    paircolor1 = nextcolor[0];
    paircolor2 = nextcolor[1];
    nextcolor[0] = randomcolor();
    nextcolor[1] = randomcolor();
    display.next = {palette[nextcolor[0]], palette[nextcolor[1]]};
    showpair();
}

// r * 3 + 1 rounded half to even: 2 and 3 come twice as often as 1 and 4.
int Game::randomcolor() {
    const float r = static_cast<float>(rng_() >> 8) * 0x1p-24f;  // [0, 1), 24 bits
    return static_cast<int>(std::nearbyint(r * 3.0f + 1.0f));
}

int Game::tick() {
    if (landing_) {
        return 0;
    }
    Cell b2 = ball2();
    // A pair moved or turned onto a ledge (or dealt onto a high column) is already resting:
    // moving it first would write it over a ball.
    const bool resting = occupied(pairx, pairy + 1) || occupied(b2.x, b2.y + 1);
    if (!resting) {
        hideemptycells();
        ++pairy;
        const int x = pairx;
        const int y = pairy;
        bool lands = false;
        switch (pairdir) {
            case 0:
                lands = occupied(x, y + 2) || y == 13;
                break;
            case 1:
                lands = occupied(x - 1, y + 1) || occupied(x, y + 1) || y == 14;
                break;
            case 2:
                lands = occupied(x, y + 1) || y == 14;
                break;
            default:
                lands = occupied(x, y + 1) || occupied(x + 1, y + 1) || y == 14;
                break;
        }
        if (!lands) {
            showball(pairx, pairy, paircolor1);
            b2 = ball2();
            showball(b2.x, b2.y, paircolor2);
            return 1;
        }
        b2 = ball2();
    }
    board[pairx][pairy] = static_cast<std::int16_t>(paircolor1);
    board[b2.x][b2.y] = static_cast<std::int16_t>(paircolor2);
    landing_ = true;
    landpair();
    newpair();
    landing_ = false;
    return 0;
}

void Game::landpair() {
    for (;;) {
        bool moved = true;
        while (moved) {
            moved = false;
            for (auto& column : board) {
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
            return;
        }
    }
}

void Game::drawboard() {
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            auto& ball = display.ball[y * kColumns + x];
            ball.visible = board[x][y] != 0;
            if (ball.visible) {
                ball.color = palette[board[x][y]];
            }
        }
    }
}

void Game::hideemptycells() {
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (board[x][y] == 0) {
                display.ball[y * kColumns + x].visible = false;
            }
        }
    }
}

void Game::showball(int x, int y, int color) {
    display.ball[y * kColumns + x] = {true, palette[color]};
}

Game::Cell Game::ball2() const {
    switch (pairdir) {
        case 0:
            return {pairx, pairy + 1};
        case 1:
            return {pairx - 1, pairy};
        case 2:
            return {pairx, pairy - 1};
        default:
            return {pairx + 1, pairy};
    }
}

// Below the well counts as occupied, also before the first game has laid the floor.
bool Game::occupied(int x, int y) const {
    if (x < 0 || x >= kColumns || y >= kRows) {
        return true;
    }
    return y >= 0 && board[x][y] != 0;
}

bool Game::free(int x, int y) const {
    return x >= 0 && x < kColumns && y >= 0 && y < kRows && board[x][y] == 0;
}

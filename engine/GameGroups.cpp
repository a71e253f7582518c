// Groups, scoring, levels and the end of a game.
#include <algorithm>
#include <string>

#include "Game.h"
#include "Texts.h"

int Game::removegroups() {
    if (board[2][1] != 0 || board[2][0] != 0) {
        gameover();
        return 0;
    }
    bool found = false;
    for (int x = 0; x < kColumns && !found; ++x) {
        for (int y = 0; y < kRows && !found; ++y) {
            if (board[x][y] != 0) {
                group_.clear();
                markgroup(x, y);
                found = group_.size() > 3;
            }
        }
    }
    if (!found) {
        return 0;
    }
    if (sound_) {
        host_.playsound("got");
    }
    if (anim_) {
        const bool ran = clock_.running;
        setclock(false);
        for (int step = 0; step < 7; ++step) {
            for (const Cell& c : group_) {
                auto& ball = display.ball[c.y * kColumns + c.x];
                ball.visible = !ball.visible;
            }
            host_.blinkstep(75);
        }
        setclock(ran);  // a game paused before the drop stays paused
    }
    for (const Cell& c : group_) {
        board[c.x][c.y] = 0;
    }
    const auto n = static_cast<std::int64_t>(group_.size());
    display.score += n * n;
    display.col += 1;
    progress();
    return 1;
}

void Game::markgroup(int x, int y) {
    group_.push_back({x, y});
    const int color = board[x][y];
    auto joins = [&](int nx, int ny) {
        return board[nx][ny] == color &&
               std::find(group_.begin(), group_.end(), Cell{nx, ny}) == group_.end();
    };
    if (x != 0 && joins(x - 1, y)) {
        markgroup(x - 1, y);
    }
    if (x != kColumns - 1 && joins(x + 1, y)) {
        markgroup(x + 1, y);
    }
    if (y != kRows - 1 && joins(x, y + 1)) {
        markgroup(x, y + 1);
    }
    if (y != 0 && joins(x, y - 1)) {
        markgroup(x, y - 1);
    }
}

// The bar shows the current hundred of groups; it stays empty while the level is ahead of
// the count and at the top level.
void Game::progress() {
    const std::int64_t g = display.col;
    const std::int64_t k = g / kGroupsPerLevel;
    display.perc = static_cast<double>(g - kGroupsPerLevel * k) *
                   ui::mainform["percfull"].place.width / kGroupsPerLevel;
    if (display.level > k + 1 || display.level == kMaxLevel) {
        display.perc = 0;
    }
    const std::int64_t next = k + 1;
    if (display.level < next && display.level < kMaxLevel) {
        levelup(static_cast<int>(next));
    }
}

void Game::levelup(int level) {
    if (sound_) {
        host_.playsound("level");
    }
    display.info = ui::levelmessage(level);
    const bool ran = clock_.running;
    setclock(false);
    for (int step = 0; step < 8; ++step) {
        display.infovisible = !display.infovisible;
        host_.blinkstep(100);
    }
    setclock(ran);
    setlevel(level);
}

void Game::gameover() {
    if (sound_) {
        host_.playsound("gameover");
    }
    setclock(false);
    over_ = true;
    host_.opengameover(qualifies());
}

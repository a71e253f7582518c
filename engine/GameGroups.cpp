// Groups, scoring, levels and the end of a game.
#include <algorithm>
#include <string>

#include "Game.h"
#include "Texts.h"

int Game::removegroups() {
    if (board_[2][1] != 0 || board_[2][0] != 0) {
        gameover();
        return 0;
    }
    bool found = false;
    for (int x = 0; x < kColumns && !found; ++x) {
        for (int y = 0; y < kRows && !found; ++y) {
            if (board_[x][y] != 0) {
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
        host_.playsound(ui::Sound::got);
    }
    if (anim_) {
        startblink(false, 7, 75);
    } else {
        removegroup();
    }
    return 1;
}

void Game::removegroup() {
    for (const Cell& c : group_) {
        board_[c.x][c.y] = 0;
    }
    const auto n = static_cast<std::int64_t>(group_.size());
    display_.score += n * n;
    display_.col += 1;
    progress();
}

void Game::markgroup(int x, int y) {
    group_.push_back({x, y});
    const int color = board_[x][y];
    auto joins = [&](int nx, int ny) {
        return board_[nx][ny] == color &&
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
    const std::int64_t g = display_.col;
    const std::int64_t k = g / kGroupsPerLevel;
    display_.perc = static_cast<double>(g - kGroupsPerLevel * k) *
                    ui::mainform["percfull"].place.width / kGroupsPerLevel;
    if (display_.level > k + 1 || display_.level == kMaxLevel) {
        display_.perc = 0;
    }
    const std::int64_t next = k + 1;
    if (display_.level < next && display_.level < kMaxLevel) {
        levelup(static_cast<int>(next));
    }
}

void Game::levelup(int level) {
    if (sound_) {
        host_.playsound(ui::Sound::level);
    }
    display_.info = ui::levelmessage(level);
    blink_.level = level;
    startblink(true, 8, 100);
}

// A blink shows its first frame now and one more at each tick of its clock but the last, which
// ends it. Timer1 stands meanwhile: a game paused before the drop stays paused.
void Game::startblink(bool level, int frames, int milliseconds) {
    blink_.what = level ? Blink::What::level : Blink::What::group;
    blink_.frames = frames;
    blink_.ran = clock_.running;
    setclock(false);
    blink_.clock = {true, milliseconds};
    host_.clockchanged();
    toggleblink();
}

void Game::toggleblink() {
    if (blink_.what == Blink::What::level) {
        display_.infovisible = !display_.infovisible;
        return;
    }
    for (const Cell& c : group_) {
        auto& ball = display_.ball[c.y * kColumns + c.x];
        ball.visible = !ball.visible;
    }
}

void Game::blinktick() {
    if (blink_.what == Blink::What::none) {
        return;
    }
    if (--blink_.frames > 0) {
        toggleblink();
        return;
    }
    const Blink::What ended = blink_.what;
    blink_.what = Blink::What::none;
    blink_.clock.running = false;
    host_.clockchanged();
    setclock(blink_.ran);
    if (ended == Blink::What::group) {
        removegroup();  // which may start the level-up's blink
    } else {
        setlevel(blink_.level);
    }
    if (landing_) {
        landpair();
    }
}

void Game::gameover() {
    if (sound_) {
        host_.playsound(ui::Sound::gameover);
    }
    setclock(false);
    over_ = true;
    host_.opengameover(qualifies());
}

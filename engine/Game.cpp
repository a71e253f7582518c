#include "Game.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "StoreRows.h"

namespace {

double secondssincemidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    return std::fmod(duration<double>(now).count(), 86400.0);
}

}  // namespace

Game::Game(GameHost& host, std::function<double()> timeofday)
    : host_(host),
      timeofday_(timeofday ? std::move(timeofday) : secondssincemidnight),
      palette_{0, ui::kDefaultColors[0], ui::kDefaultColors[1], ui::kDefaultColors[2],
               ui::kDefaultColors[3]},
      startlevel_(ui::kDefaultLevel),
      keys_{ui::kDefaultKeys[0], ui::kDefaultKeys[1], ui::kDefaultKeys[2], ui::kDefaultKeys[3]} {
    topname_.fill(std::string(ui::kNoName));
    storedname_ = topname_;
}

void Game::setpalette(const Palette& palette) {
    for (int n = 1; n <= 4; ++n) {
        palette_[n] = palette[n] & 0xFFFFFF;
    }
}

void Game::setstartlevel(int level) {
    startlevel_ = std::clamp(level, 1, kMaxLevel);
}

void Game::setkeys(const KeyBindings& keys) {
    keys_ = keys;
}

void Game::newgame() {
    if (landing_) {
        return;
    }
    rng_.seed(static_cast<std::uint32_t>(std::llround(timeofday_() * 1e6)));
    display_.score = 0;
    display_.col = 0;
    display_.countersvisible = true;
    display_.infovisible = false;
    display_.pauseenabled = true;
    over_ = false;
    clearboard();
    for (auto& ball : display_.ball) {
        ball.visible = false;
    }
    // The first call only moves the old preview into a pair that the second replaces.
    newpair();
    newpair();
    setlevel(startlevel_);
    setclock(true);
}

void Game::setlevel(int level) {
    level = std::clamp(level, 1, kMaxLevel);  // a level above 8 would stop the clock
    display_.level = level;
    clock_.period = 450 - 50 * level;
    host_.clockchanged();
}

void Game::start() {
    if (landing_ || over_) {
        return;
    }
    display_.command1 = false;
    newgame();
}

void Game::restart() {
    if (landing_ || over_) {
        return;
    }
    display_.command1 = false;
    display_.command2 = false;
    newgame();
}

void Game::pause() {
    if (!playing()) {
        return;
    }
    setclock(false);
    display_.command2 = true;
}

void Game::resume() {
    if (!playing()) {
        return;
    }
    setclock(true);
    display_.command2 = false;
}

void Game::pausefordialog() {
    if (landing_ || !clock_.running) {
        return;
    }
    setclock(false);
    display_.command2 = true;
}

void Game::keydown(std::int64_t code, bool repeat) {
    if (!playing()) {
        return;  // no game, no game keys; and never in the middle of a landing
    }
    if (code == keys_.left) {
        moveleft();
    } else if (code == keys_.right) {
        moveright();
    } else if (code == keys_.rotate) {
        rotatepair();
    } else if (code == keys_.drop) {
        if (!repeat) {
            droppair();  // once per press: a held key would throw the next pairs away
        }
    } else if (code == 80 || code == 19) {
        pause();
    }
}

void Game::resetidle() {
    display_.command1 = true;
    display_.command2 = false;  // a game that ended while paused must not leave it over the start
    clearboard();
    drawboard();
    display_.countersvisible = false;
    display_.score = 0;
    display_.col = 0;
    display_.level = startlevel_;
    display_.next = {ui::kLightYellow, ui::kLightYellow};
    display_.curs[0].visible = false;
    display_.curs[1].visible = false;
    display_.info = ui::mainform["info"].caption;
    display_.infovisible = true;
    display_.pauseenabled = false;
    setclock(false);
    over_ = false;
}

void Game::setclock(bool running) {
    if (clock_.running != running) {
        clock_.running = running;
        host_.clockchanged();
    }
}

void Game::clearboard() {
    for (auto& column : board_) {
        column.fill(0);
        column[kRows] = kFloorValue;
    }
}

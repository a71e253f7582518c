#include "Game.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

double secondssincemidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    return std::fmod(duration<double>(now).count(), 86400.0);
}

}  // namespace

Game::Game(GameHost& host) : timeofday(secondssincemidnight), host_(host) {}

void Game::newgame() {
    if (landing_) {
        return;
    }
    rng_.seed(static_cast<std::uint32_t>(std::llround(timeofday() * 1e6)));
    display.score = 0;
    display.col = 0;
    display.countersvisible = true;
    display.infovisible = false;
    display.pauseenabled = true;
    over_ = false;
    clearboard();
    for (auto& ball : display.ball) {
        ball.visible = false;
    }
    // The first call only moves the old preview into a pair that the second replaces.
    newpair();
    newpair();
    setlevel(startlevel);
    setclock(true);
}

void Game::setlevel(int level) {
    level = std::clamp(level, 1, kMaxLevel);  // a level above 8 would stop the clock
    display.level = level;
    clock.period = 450 - 50 * level;
    host_.clockchanged();
}

void Game::start() {
    if (landing_ || over_) {
        return;
    }
    display.command1 = false;
    newgame();
}

void Game::restart() {
    if (landing_ || over_) {
        return;
    }
    display.command1 = false;
    display.command2 = false;
    newgame();
}

void Game::pause() {
    if (!playing()) {
        return;
    }
    setclock(false);
    display.command2 = true;
}

void Game::resume() {
    if (!playing()) {
        return;
    }
    setclock(true);
    display.command2 = false;
}

void Game::pausefordialog() {
    if (landing_ || !clock.running) {
        return;
    }
    setclock(false);
    display.command2 = true;
}

void Game::keydown(std::int64_t code, bool repeat) {
    if (!playing()) {
        return;  // no game, no game keys; and never in the middle of a landing
    }
    if (code == keyleft) {
        moveleft();
    } else if (code == keyright) {
        moveright();
    } else if (code == keyrotate) {
        rotatepair();
    } else if (code == keydrop) {
        if (!repeat) {
            droppair();  // once per press: a held key would throw the next pairs away
        }
    } else if (code == 80 || code == 19) {
        pause();
    }
}

void Game::resetidle() {
    display.command1 = true;
    display.command2 = false;  // a game that ended while paused must not leave it over the start
    clearboard();
    drawboard();
    display.countersvisible = false;
    display.score = 0;
    display.col = 0;
    display.level = startlevel;
    display.next = {DisplayState::kWellColor, DisplayState::kWellColor};
    display.curs[0].visible = false;
    display.curs[1].visible = false;
    display.info = "Вы можете задать начальный уровень в меню.";
    display.infovisible = true;
    display.pauseenabled = false;
    setclock(false);
    over_ = false;
}

void Game::setclock(bool running) {
    if (clock.running != running) {
        clock.running = running;
        host_.clockchanged();
    }
}

void Game::clearboard() {
    for (auto& column : board) {
        column.fill(0);
        column[kRows] = kFloor;
    }
}

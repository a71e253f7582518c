#include "Referee.h"

#include <algorithm>
#include <cmath>

#include "Forms.h"
#include "GameSetup.h"

Referee::Referee(std::function<unsigned()> next) : next_(std::move(next)) {
    game.setsound(true);  // "got" is how the books learn of each group
}

void Referee::fresh() {
    landed_ = removed_ = squares_ = groups_ = skipped_ = colatgot_ = 0;
    startlevel_ = game.startlevel();
}

void Referee::act() {
    actonce();
    blinkout();
}

void Referee::blinkout() {
    while (game.blinkclock().running) {
        ++blinks;
        duringblink();
        game.blinktick();
    }
}

void Referee::actonce() {
    if (game.over()) {  // the game-over window closes
        if (next_() % 2 && game.qualifies()) {
            game.insertrecord("player");
        }
        game.resetidle();
        return;
    }
    const bool playing = game.playing();
    switch (next_() % 16) {
        case 0:
            if (game.display().command1) {  // the start button shows only when idle
                game.start();
                fresh();
            }
            break;
        case 1:
            if (game.display().pauseenabled && next_() % 32 == 0) {
                game.restart();
                fresh();
            }
            break;
        case 2:
            game.keydown(game.keys().left);
            break;
        case 3:
            game.keydown(game.keys().right);
            break;
        case 4:
            game.keydown(game.keys().rotate);
            break;
        case 5:
            game.keydown(game.keys().drop);
            // A drop always lands, exactly once, unless an earlier binding takes the key.
            if (playing && game.keys().drop != game.keys().left &&
                game.keys().drop != game.keys().right && game.keys().drop != game.keys().rotate) {
                landed_ += 2;
            }
            break;
        case 6:
            game.keydown(next_() % 2 ? 80 : 19);
            break;
        case 7:
            game.resume();
            break;
        case 8: {
            Game::Palette palette = game.palette();
            palette[1 + next_() % 4] = next_() & 0xFFFFFF;
            game.setpalette(palette);
        } break;
        case 9:
            game.setanim(!game.anim());
            break;
        case 10:
            game.setstartlevel(1 + static_cast<int>(next_() % 8));
            break;
        case 11:
            if (playing && next_() % 8 == 0) {  // jump ahead to a level-up
                const std::int64_t jump = 95 + next_() % 5 - game.display().col % 100;
                set(game).display.col += jump;
                skipped_ += jump;
            }
            break;
        default:
            if (game.clock().running && game.tick() == 0) {  // only a running clock ticks
                landed_ += 2;
            }
            break;
    }
}

void Referee::playsound(ui::Sound sound) {
    levelups += sound == ui::Sound::level;
    if (sound == ui::Sound::got) {
        const auto n = static_cast<std::int64_t>(game.group().size());
        removed_ += n;
        squares_ += n * n;
        ++groups_;
        colatgot_ = game.display().col + 1;
    }
}

void Referee::opengameover(bool) {
    ++gameovers;
}

// Input that arrives while a blink waits must change nothing.
void Referee::duringblink() {
    if (!game.landing()) {
        failure_ = "a blink outside a landing";
    }
    const auto board = game.board();
    const int x = game.pairx(), y = game.pairy(), dir = game.pairdir();
    const bool running = game.clock().running;
    switch (next_() % 6) {
        case 0:
            game.keydown(game.keys().drop);
            break;
        case 1:
            game.keydown(game.keys().left);
            break;
        case 2:
            game.restart();
            break;
        case 3:
            game.pause();
            break;
        case 4:
            game.resume();
            break;
        default:
            game.newgame();
            break;
    }
    if (game.board() != board || game.pairx() != x || game.pairy() != y || game.pairdir() != dir ||
        game.clock().running != running) {
        failure_ = "input during a blink changed the game";
    }
}

std::string Referee::check() const {
    if (!failure_.empty()) {
        return failure_;
    }
    auto at = [](int x, int y) { return " at " + std::to_string(x) + "," + std::to_string(y); };
    if (game.landing()) {
        return "still landing after an input";
    }
    const bool started = game.display().pauseenabled || game.over();
    int balls = 0;
    for (int x = 0; x < 6; ++x) {
        if ((started || game.board()[x][15] != 0) && game.board()[x][15] != 5) {
            return "floor broken" + at(x, 15);
        }
        for (int y = 0; y < 15; ++y) {
            const int v = game.board()[x][y];
            if (v < 0 || v > 4) {
                return "bad cell value " + std::to_string(v) + at(x, y);
            }
            if (y < 14 && v != 0 && game.board()[x][y + 1] == 0) {
                return "ball hanging" + at(x, y);
            }
            balls += v != 0;
        }
    }
    if (game.playing()) {
        const int x2 = game.pairx() + (game.pairdir() == 1 ? -1 : game.pairdir() == 3 ? 1 : 0);
        const int y2 = game.pairy() + (game.pairdir() == 0 ? 1 : game.pairdir() == 2 ? -1 : 0);
        for (const auto& [x, y] : {std::pair{game.pairx(), game.pairy()}, std::pair{x2, y2}}) {
            if (x < 0 || x > 5 || y < 0 || y > 14) {
                return "pair outside the well" + at(x, y);
            }
            if (game.board()[x][y] != 0) {
                return "pair over a ball" + at(x, y);
            }
        }
        if (game.paircolor1() < 1 || game.paircolor1() > 4 || game.paircolor2() < 1 ||
            game.paircolor2() > 4) {
            return "pair colour out of range";
        }
        for (int x = 0; x < 6; ++x) {
            for (int y = 0; y < 15; ++y) {
                const bool pair = (x == game.pairx() && y == game.pairy()) || (x == x2 && y == y2);
                if (game.display().ball[y * 6 + x].visible != (pair || game.board()[x][y] != 0)) {
                    return "picture differs from the board" + at(x, y);
                }
            }
        }
    }
    if (!started) {
        return {};
    }
    if (balls != landed_ - removed_) {
        return "balls on the board " + std::to_string(balls) + ", landed minus removed " +
               std::to_string(landed_ - removed_);
    }
    if (game.display().score != squares_) {
        return "score " + std::to_string(game.display().score) + " is not the sum of squares " +
               std::to_string(squares_);
    }
    const std::int64_t g = skipped_ + groups_;
    if (game.display().col != g) {
        return "group counter " + std::to_string(game.display().col) + ", groups " +
               std::to_string(g);
    }
    const int level = static_cast<int>(
        std::max<std::int64_t>(startlevel_, std::min<std::int64_t>(8, 1 + g / 100)));
    if (game.display().level != level || game.clock().period != 450 - 50 * level) {
        return "level " + std::to_string(game.display().level) + ", expected " +
               std::to_string(level);
    }
    // The bar shows how many of the hundred groups the next level needs are done; it stays
    // empty while the count has not yet reached the level played, and at the top level.
    if (groups_ > 0) {
        const std::int64_t done = colatgot_ - 100 * (level - 1);
        const double full = ui::mainform["percfull"].place.width;
        const double perc = level < 8 && done >= 0 && done < 100 ? full * done / 100 : 0.0;
        if (std::abs(game.display().perc - perc) > 1e-9) {
            return "progress width " + std::to_string(game.display().perc) + ", expected " +
                   std::to_string(perc);
        }
    }
    return {};
}

#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Game.h"
#include "GameSetup.h"
#include "MemoryStore.h"

// Records what the engine asks of the window system.
class FakeHost : public GameHost {
public:
    std::vector<std::string> sounds;
    int clockchanges = 0;
    std::vector<bool> gameovers;  // record mode of each opening

    void playsound(ui::Sound sound) override { sounds.emplace_back(ui::soundname(sound)); }
    void clockchanged() override { ++clockchanges; }
    void opengameover(bool record) override { gameovers.push_back(record); }
};

// A game with a fake host, started, and helpers to lay out the board by picture.
class EngineTest : public ::testing::Test {
protected:
    FakeHost host;
    Game game{host, [] { return 1234.5; }};

    // Each frame of the blinks, as the blink's clock ran them out: the balls shown, the
    // message shown, and how long the frame stood.
    std::vector<std::vector<bool>> frames;
    std::vector<bool> infoframes;
    std::vector<int> lengths;

    EngineTest() {
        game.setsound(false);
        game.setanim(false);
    }

    // Ticks the blink's clock until the landing under way is over, as a window would, with
    // `during` arriving in each frame.
    void blinkout(const std::function<void()>& during = {}) {
        for (int guard = 0; game.blinkclock().running && guard < 1000; ++guard) {
            std::vector<bool> frame;
            for (const auto& ball : game.display().ball) {
                frame.push_back(ball.visible);
            }
            frames.push_back(frame);
            infoframes.push_back(game.display().infovisible);
            lengths.push_back(game.blinkclock().period);
            if (during) {
                during();
            }
            game.blinktick();
        }
    }
    // The drop key, and the landing it causes to its end.
    void drop() {
        game.keydown(game.keys().drop);
        blinkout();
    }

    // The top ten, as the store would give it; the options stay as they were.
    void setrecords(const std::array<std::int32_t, 10>& scores,
                    const std::array<std::string, 10>& names) {
        MemoryStore store;
        for (int n = 1; n <= 10; ++n) {
            store.values[{"TopScores", "Record " + std::to_string(n)}] =
                std::to_string(scores[n - 1]);
            store.values[{"TopScores", "Name " + std::to_string(n)}] = names[n - 1];
        }
        const bool sound = game.sound(), anim = game.anim();
        const Game::Palette palette = game.palette();
        const int level = game.startlevel();
        const Game::KeyBindings keys = game.keys();
        game.loadsettings(store);
        game.setsound(sound);
        game.setanim(anim);
        game.setpalette(palette);
        game.setstartlevel(level);
        game.setkeys(keys);
    }

    // Rows of '.' and '1'..'4', the last row given lands on row 14.
    void setboard(std::initializer_list<const char*> rows) {
        setrows(game, rows);
        game.drawboard();
    }

    void setpair(int x, int y, int dir, int color1 = 1, int color2 = 2) {
        set(game).pairx = x;
        set(game).pairy = y;
        set(game).pairdir = dir;
        set(game).paircolor1 = color1;
        set(game).paircolor2 = color2;
        game.showpair();
    }

    int cell(int x, int y) const { return game.board()[x][y]; }
    bool shown(int x, int y) const { return game.display().ball[y * 6 + x].visible; }

    int ballcount() const {
        int n = 0;
        for (int x = 0; x < Game::kColumns; ++x) {
            for (int y = 0; y < Game::kRows; ++y) {
                n += game.board()[x][y] != 0;
            }
        }
        return n;
    }
};

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "DisplayState.h"
#include "GameHost.h"
#include "SettingsStore.h"

// The whole game: board, falling pair, preview, palette, options, key bindings and records,
// plus the display state the main window paints. Knows no toolkit.
class Game {
public:
    static constexpr int kColumns = 6;
    static constexpr int kRows = 15;  // visible rows; row 15 is the floor
    static constexpr int kFloor = 5;
    static constexpr int kMaxLevel = 8;
    static constexpr int kGroupsPerLevel = 100;

    struct Cell {
        int x;
        int y;
        bool operator==(const Cell&) const = default;
    };
    struct Clock {
        bool running = false;
        int period = 400;  // ms
    };

    explicit Game(GameHost& host);

    // Board and game state.
    std::array<std::array<std::int16_t, kRows + 1>, kColumns> board{};  // board[x][y]
    int pairx = 2, pairy = 0, pairdir = 0, paircolor1 = 0, paircolor2 = 0;
    std::array<int, 2> nextcolor{};
    std::array<std::uint32_t, 5> palette{0, 0x003038CF, 0x0000FF00, 0x00FF8000, 0x006FFFFF};
    int startlevel = 1;
    std::int32_t keyleft = 37, keyright = 39, keyrotate = 38, keydrop = 40;
    std::array<std::int32_t, 10> topscore{};
    std::array<std::string, 10> topname{"-", "-", "-", "-", "-", "-", "-", "-", "-", "-"};
    bool sound = true;  // m_sound
    bool anim = true;   // m_anim

    DisplayState display;
    Clock clock;
    std::vector<Cell> group;  // the cells of the group last collected, in flood order

    // Seconds since midnight; newgame seeds the colours from it. Tests may replace it.
    std::function<double()> timeofday;

    // Starting, pausing and the main window's commands.
    void newgame();
    void setlevel(int level);
    void start();           // "Начать(F2)"
    void restart();         // "&Новая", F2
    void pause();           // "&Пауза", P, Pause
    void resume();          // "Продолжить"
    void pausefordialog();  // a window opened from the menu
    // A key went down; repeat when the system repeats a held key.
    void keydown(std::int64_t code, bool repeat = false);

    // Falling and landing.
    void newpair();
    int tick();
    void landpair();
    void drawboard();

    // The player's moves.
    void moveleft();
    void moveright();
    void rotatepair();
    void droppair();
    void showpair();

    // Groups, scoring and the end of a game.
    int removegroups();
    void markgroup(int x, int y);
    void gameover();

    // Records and the return to idle.
    bool qualifies() const;                      // the score on display enters the top ten
    void insertrecord(const std::string& name);  // in memory only
    void storerecord(SettingsStore& store, const std::string& name);  // and on disk at once
    void resetidle();

    // The settings store. Saving keeps the records another copy of the game stored meanwhile.
    void loadsettings(const SettingsStore& store);
    void savesettings(SettingsStore& store);

    // Timer1; the host follows it through GameHost::clockchanged.
    void setclock(bool running);

    bool landing() const { return landing_; }
    bool over() const { return over_; }
    // A game is under way and can take the game keys.
    bool playing() const { return display.pauseenabled && !over_ && !landing_; }

private:
    void clearboard();
    void hideemptycells();
    void showball(int x, int y, int color);
    Cell ball2() const;
    bool free(int x, int y) const;
    bool occupied(int x, int y) const;
    int randomcolor();
    void progress();
    void levelup(int level);
    void placerecord(std::int64_t score, const std::string& name);
    void mergerecords(const SettingsStore& store);
    void writesettings(SettingsStore& store) const;

    GameHost& host_;
    std::mt19937 rng_;
    bool landing_ = false;
    bool over_ = false;
    // The records as this copy last read them from the store or wrote them there.
    std::array<std::int32_t, 10> storedscore_{};
    std::array<std::string, 10> storedname_{"-", "-", "-", "-", "-", "-", "-", "-", "-", "-"};
};

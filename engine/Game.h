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
    static constexpr int kRows = 15;       // visible rows; row 15 below them is the floor
    static constexpr int kFloorValue = 5;  // what every cell of the floor row holds
    static constexpr int kMaxLevel = 8;
    static constexpr int kGroupsPerLevel = 100;
    static_assert(ui::mainform["ball"].count == kColumns * kRows &&
                      ui::mainform["ball"].columns == kColumns,
                  "the well's circles are its cells, row by row");

    struct Cell {
        int x;
        int y;
        bool operator==(const Cell&) const = default;
    };
    struct Clock {
        bool running = false;
        int period = 400;  // ms
    };
    using Palette = std::array<std::uint32_t, 5>;  // 0x00BBGGRR by colour number; entry 0 unused
    struct KeyBindings {
        std::int32_t left, right, rotate, drop;
        bool operator==(const KeyBindings&) const = default;
        bool has(std::int64_t code) const {
            return code == left || code == right || code == rotate || code == drop;
        }
    };

    // Seconds since midnight, from which newgame seeds the colours; tests give their own.
    explicit Game(GameHost& host, std::function<double()> timeofday = {});

    using Board = std::array<std::array<std::int16_t, kRows + 1>, kColumns>;  // board[x][y]

    // The game's state, for windows and tests to read; tests lay it out through GameSetup.
    const Board& board() const { return board_; }
    int pairx() const { return pairx_; }
    int pairy() const { return pairy_; }
    int pairdir() const { return pairdir_; }
    int paircolor1() const { return paircolor1_; }
    int paircolor2() const { return paircolor2_; }
    const std::array<int, 2>& nextcolor() const { return nextcolor_; }
    const DisplayState& display() const { return display_; }

    // What the windows change, each kept valid here.
    bool sound() const { return sound_; }  // m_sound
    bool anim() const { return anim_; }    // m_anim
    void setsound(bool on) { sound_ = on; }
    void setanim(bool on) { anim_ = on; }
    const Palette& palette() const { return palette_; }
    void setpalette(const Palette& palette);  // entries 1 to 4, 24-bit colours
    int startlevel() const { return startlevel_; }
    void setstartlevel(int level);  // 1 to 8; the running game keeps its own
    const KeyBindings& keys() const { return keys_; }
    void setkeys(const KeyBindings& keys);

    // The ten best results, best first.
    const std::array<std::int32_t, 10>& topscore() const { return topscore_; }
    const std::array<std::string, 10>& topname() const { return topname_; }

    const Clock& clock() const { return clock_; }  // Timer1
    // The blink's own timer: runs only while a group or the level-up message blinks, and
    // Timer1 stands meanwhile.
    const Clock& blinkclock() const { return blink_.clock; }
    const std::vector<Cell>& group() const { return group_; }  // the last collected, flood order

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

    // Falling and landing. A landing that blinks goes on at each tick of the blink's clock.
    void newpair();
    int tick();
    void landpair();
    void blinktick();
    void drawboard();

    // The player's moves.
    void moveleft();
    void moveright();
    void rotatepair();
    void droppair();
    void showpair();

    // Groups, scoring and the end of a game. removegroups reports a group found; when it blinks,
    // its removal waits for the blink to end.
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
    // The records as the store holds them now, another copy's included, with ours kept.
    void readrecords(const SettingsStore& store) { mergerecords(store); }

    // Timer1; the host follows it through GameHost::clockchanged.
    void setclock(bool running);

    bool landing() const { return landing_; }
    bool over() const { return over_; }
    // A game is under way and can take the game keys.
    bool playing() const { return display_.pauseenabled && !over_ && !landing_; }

private:
    friend class GameSetup;

    void clearboard();
    void hideemptycells();
    void showball(Cell cell, int color);
    Cell ball2() const;
    bool free(int x, int y) const;
    int randomcolor();
    void removegroup();
    void progress();
    void levelup(int level);
    void endlanding();
    void startblink(bool level, int frames, int milliseconds);
    void toggleblink();
    void placerecord(std::int64_t score, const std::string& name);
    void mergerecords(const SettingsStore& store);
    static void readrecords(const SettingsStore& store, std::array<std::int32_t, 10>& scores,
                            std::array<std::string, 10>& names);
    void writesettings(SettingsStore& store) const;

    GameHost& host_;
    std::function<double()> timeofday_;
    Board board_{};
    int pairx_ = 2, pairy_ = 0, pairdir_ = 0, paircolor1_ = 0, paircolor2_ = 0;
    std::array<int, 2> nextcolor_{};
    DisplayState display_;
    std::mt19937 rng_;
    bool landing_ = false;
    bool over_ = false;
    Clock clock_;
    // A blink under way: the group's balls or the level-up message, the frames still to show,
    // and whether Timer1 ran before it.
    struct Blink {
        enum class What { none, group, level } what = What::none;
        int frames = 0;
        bool ran = false;
        int level = 0;  // reached, set once the message has blinked
        Clock clock{false, 0};
    } blink_;
    std::vector<Cell> group_;
    bool sound_ = true;
    bool anim_ = true;
    Palette palette_;
    int startlevel_;
    KeyBindings keys_;
    std::array<std::int32_t, 10> topscore_{};
    std::array<std::string, 10> topname_;
    // The records as this copy last read them from the store, or wrote them there.
    std::array<std::int32_t, 10> storedscore_{};
    std::array<std::string, 10> storedname_;
};

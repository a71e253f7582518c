#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Game.h"
#include "GameHost.h"
#include "Menus.h"
#include "SettingsStore.h"

// The windows the main window opens over itself.
enum class FormId { overform, topscores, colorform, keys, rules, about };

// What a front end does for the main form, in its toolkit.
class MainHost {
public:
    virtual ~MainHost() = default;

    // As GameHost: the sounds; Timer1 and the blink's timer following Game::clock() and
    // Game::blinkclock(), their ticks told to MainForm::Timer1_Timer and MainForm::blink_Timer.
    virtual void playsound(ui::Sound sound) = 0;
    virtual void clockchanged() = 0;

    // Shows the game's state in the main window: counters, buttons, well, menu check marks.
    virtual void render() = 0;
    // Creates the window and shows it, not modal, over the main window; its closing, however it
    // comes, is told to MainForm::unloaded.
    virtual void open(FormId form) = 0;
    // The game-over window's record mode: its prompt and name box shown or hidden; the window
    // comes forward.
    virtual void setrecordmode(bool on) = 0;
    virtual void enablemain(bool enabled) = 0;
    virtual void hidemain() = 0;
    // Closes the main window as its close box does, which asks Form_Unload again.
    virtual void closemain() = 0;
    // Keys pressed for this long from now reach no window: they were meant for the game.
    virtual void holdkeys(int milliseconds) = 0;
    // Ends the program at once.
    virtual void endprogram() = 0;
};

// The main window's handlers and what happens between the windows, whatever the toolkit:
// starting and pausing, the menu's commands, the windows opened over the main one, game over
// and records, closing and the end of the program. Input that arrives while a landing blinks
// waits for it to end and then acts, in order, on the next pair.
class MainForm : private GameHost {
public:
    // What stands over the main window.
    enum class Over {
        none,      // nothing: the main window takes input
        window,    // a window from the menu, or the records after a record
        gameover,  // the game-over window, no record
        record,    // the game-over window asking the name for a record
        closing,   // the name asked as the main window closed; the program then ends
    };
    // Keys pressed as a game ends are held back this long: sooner than anyone reads the
    // game-over window.
    static constexpr int kKeyBlackout = 250;  // ms

    MainForm(MainHost& host, SettingsStore& store, std::function<double()> timeofday = {});

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    Over over() const { return over_; }

    void Timer1_Timer();
    void blink_Timer();
    void Form_KeyDown(std::int64_t code, bool repeat);
    void Command1_Click();  // "Начать(F2)"
    void Command2_Click();  // "Продолжить"
    void menu(ui::Command command, int index = 0);
    // The main window's close box, or the system closing it: false when it stays open.
    bool Form_Unload();

    // "Ok" on the game-over window, with what the name box holds; a record only in record mode.
    void overform_Ok(const std::string& name);
    // A window opened over the main one is closing: told before it goes, so that the main
    // window is enabled by then and the system gives it the keyboard back.
    void unloaded(FormId form);
    // The main window was minimised: a game under way pauses, after its landing if one is on.
    void minimised();

    // The main window is going and can ask nothing (a browser's tab closing): a result the list
    // would take, of a game under way or of the game-over window asking, is kept under this
    // name, and the settings are saved.
    void closedunasked(const std::string& name);

    // A logout: the settings are saved. A signal: saved, and the program ends.
    void savesettings();
    void exitprogram();

private:
    void playsound(ui::Sound sound) override { host_.playsound(sound); }
    void clockchanged() override { host_.clockchanged(); }
    void opengameover(bool record) override;

    // False, and the input kept for later, while a landing is under way.
    bool now(std::function<void()> input);
    void shown();
    void openform(FormId form);
    void opentopscores();

    MainHost& host_;
    SettingsStore& store_;
    Game game_;
    Over over_ = Over::none;
    std::vector<std::function<void()>> waiting_;  // arrived during the landing, in order
};

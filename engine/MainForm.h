#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

    // As GameHost: the sounds, Timer1 following Game::clock(), one frame of a blink.
    virtual void playsound(std::string_view name) = 0;
    virtual void clockchanged() = 0;
    virtual void blinkstep(int milliseconds) = 0;

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
    // Keys pressed as a game ended reach no window for a moment: they were meant for the game.
    virtual void holdkeys() = 0;
    // Ends the program at once.
    virtual void endprogram() = 0;
};

// The main window's handlers and what happens between the windows, whatever the toolkit:
// starting and pausing, the menu's commands, the windows opened over the main one, game over
// and records, closing and the end of the program.
class MainForm : private GameHost {
public:
    MainForm(MainHost& host, SettingsStore& store, std::function<double()> timeofday = {});

    Game& game() { return game_; }
    const Game& game() const { return game_; }

    void Timer1_Timer();
    void Form_KeyDown(std::int64_t code, bool repeat);
    void Command1_Click();  // "Начать(F2)"
    void Command2_Click();  // "Продолжить"
    void menu(ui::Command command, int index = 0);
    // The main window's close box, or the system closing it: false when it stays open.
    bool Form_Unload();

    // "Ok" on the game-over window in record mode, with the name typed.
    void overform_Ok(const std::string& name);
    // A window opened over the main one is closing: told before it goes, so that the main
    // window is enabled by then and the system gives it the keyboard back.
    void unloaded(FormId form);
    // The main window was minimised: a game under way pauses, after its landing if one is on.
    void minimised();

    // A logout: the settings are saved. A signal: saved, and the program ends.
    void savesettings();
    void exitprogram();

private:
    void playsound(std::string_view name) override { host_.playsound(name); }
    void clockchanged() override { host_.clockchanged(); }
    void blinkstep(int milliseconds) override { host_.blinkstep(milliseconds); }
    void opengameover(bool record) override;

    void afterinput();
    void openform(FormId form);
    void opentopscores();
    void showoverform(bool record);
    void enablemain(bool enabled);

    MainHost& host_;
    SettingsStore& store_;
    Game game_;
    bool mainenabled_ = true;
    bool mainhidden_ = false;  // closing with a record to enter
    bool overformopen_ = false;
    bool recordmode_ = false;
    bool closewaiting_ = false;   // a close arrived during a landing
    bool endinglanding_ = false;  // the landing under way has ended the game
    bool pausewaiting_ = false;   // minimised during a landing
};

// What happens between the windows, without a toolkit: which window a command opens, what
// input does while another window stands over the main one or while a landing blinks, and how
// each window's closing leaves the game.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GameSetup.h"
#include "MainForm.h"
#include "MemoryStore.h"
#include "SilentHost.h"

namespace {

const char* name(FormId form) {
    constexpr const char* kNames[] = {"overform", "topscores", "colorform",
                                      "keys",     "rules",     "about"};
    return kNames[static_cast<int>(form)];
}

// Writes down every call the main form makes of its window, rendering aside.
struct RecordingHost : MainHost {
    std::vector<std::string> calls;

    void playsound(ui::Sound sound) override {
        calls.push_back("sound " + std::string(ui::soundname(sound)));
    }
    void clockchanged() override {}
    void render() override {}
    void open(FormId form) override { calls.push_back(std::string("open ") + name(form)); }
    void setrecordmode(bool on) override { calls.push_back(on ? "record" : "no record"); }
    void enablemain(bool on) override { calls.push_back(on ? "enable" : "disable"); }
    void hidemain() override { calls.push_back("hide"); }
    void closemain() override { calls.push_back("close"); }
    void holdkeys(int milliseconds) override {
        calls.push_back("hold " + std::to_string(milliseconds));
    }
    void endprogram() override { calls.push_back("end"); }
};

using Calls = std::vector<std::string>;
using Over = MainForm::Over;

class MainFormTest : public ::testing::Test {
protected:
    MemoryStore store;
    RecordingHost host;
    std::unique_ptr<MainForm> form;

    // The top ten all at `record`, so that a lower score is no record.
    explicit MainFormTest(int record = 0) {
        for (int n = 1; n <= 10; ++n) {
            store.values[{"TopScores", "Record " + std::to_string(n)}] = std::to_string(record);
        }
        store.values[{"Options", "Sound"}] = "False";
        form = std::make_unique<MainForm>(host, store, [] { return 1234.5; });
    }
    Game& game() { return form->game(); }
    Calls take() { return std::exchange(host.calls, {}); }
    std::string stored1() const { return store.read("TopScores", "Name 1").value_or(""); }

    // A group of four in column 0 that the next tick lands; it blinks with the Animation option.
    void readylanding(bool anim = true) {
        game().setanim(anim);
        setrows(game(), {"1.....", "1....."});
        game().drawboard();
        set(game()).pairx = 0;
        set(game()).pairy = 11;
        set(game()).pairdir = 0;
        set(game()).paircolor1 = set(game()).paircolor2 = 1;
    }
    void blinkout() {
        for (int guard = 0; game().blinkclock().running && guard < 100; ++guard) {
            form->blink_Timer();
        }
    }
    // Column 2 filled to row 2: the next pair that lands there ends the game.
    void readygameover() {
        for (int y = 2; y < Game::kRows; ++y) {
            set(game()).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
        }
    }
};

class MainFormWithRecords : public MainFormTest {
protected:
    MainFormWithRecords() : MainFormTest(100) {}
};

}  // namespace

// Each command from the states a player meets: the main window alone (idle, in play, paused),
// and with a window over it, where no command reaches the main form's game.
TEST_F(MainFormTest, EveryMenuCommandFromEveryState) {
    struct Expect {
        ui::Command command;
        int index;
        Calls calls;  // from play; from idle the same, the pause aside
    };
    const std::vector<Expect> commands{
        {ui::Command::NewGame, 0, {}},
        {ui::Command::Pause, 0, {}},
        {ui::Command::TopScores, 0, {"disable", "open topscores"}},
        {ui::Command::Level, 5, {}},
        {ui::Command::Sound, 0, {}},
        {ui::Command::Animation, 0, {}},
        {ui::Command::Colors, 0, {"disable", "open colorform"}},
        {ui::Command::Keys, 0, {"disable", "open keys"}},
        {ui::Command::Rules, 0, {"disable", "open rules"}},
        {ui::Command::About, 0, {"disable", "open about"}},
        {ui::Command::Exit, 0, {"end"}},
    };
    for (const char* state : {"idle", "play", "paused", "window", "gameover"}) {
        for (const Expect& e : commands) {
            SCOPED_TRACE(std::string(state) + ", command " +
                         std::to_string(static_cast<int>(e.command)));
            form = std::make_unique<MainForm>(host, store, [] { return 1234.5; });
            if (std::string(state) != "idle") {
                form->Command1_Click();
            }
            if (std::string(state) == "paused") {
                form->menu(ui::Command::Pause);
            } else if (std::string(state) == "window") {
                form->menu(ui::Command::Rules);
            } else if (std::string(state) == "gameover") {
                readygameover();
                set(game()).display.score = -1;  // no record
                form->Timer1_Timer();
                ASSERT_EQ(form->over(), Over::gameover);
            }
            take();
            const bool sound = game().sound(), anim = game().anim();
            const int level = game().startlevel();
            const bool wasrunning = game().clock().running;
            const bool under = form->over() != Over::none;
            const auto board = game().board();

            form->menu(e.command, e.index);

            if (under) {  // a window stands over the main one: nothing at all
                EXPECT_EQ(take(), Calls{});
                EXPECT_EQ(game().board(), board);
                EXPECT_EQ(game().clock().running, wasrunning);
                EXPECT_EQ(game().startlevel(), level);
                EXPECT_EQ(game().sound(), sound);
                continue;
            }
            EXPECT_EQ(take(), e.calls);
            const bool opens = !e.calls.empty() && e.calls[0] == "disable";
            EXPECT_EQ(form->over(), opens ? Over::window : Over::none);
            EXPECT_EQ(game().sound(), sound != (e.command == ui::Command::Sound));
            EXPECT_EQ(game().anim(), anim != (e.command == ui::Command::Animation));
            EXPECT_EQ(game().startlevel(), e.command == ui::Command::Level ? 5 : level);
            const bool runs = e.command == ui::Command::NewGame ||
                              (wasrunning && !opens && e.command != ui::Command::Pause);
            EXPECT_EQ(game().clock().running, runs);
            EXPECT_EQ(game().display().command2,
                      std::string(state) != "idle" && !runs && e.command != ui::Command::NewGame);
        }
    }
}

// Closing any window from the menu, however the player closes it, gives the main window back
// with the game as it was: paused, if it ran.
TEST_F(MainFormTest, EveryWindowFromTheMenuClosesBackToThePausedGame) {
    for (FormId form_ :
         {FormId::topscores, FormId::colorform, FormId::keys, FormId::rules, FormId::about}) {
        SCOPED_TRACE(name(form_));
        form->Command1_Click();
        take();
        const ui::Command commands[] = {ui::Command::NewGame, ui::Command::TopScores,
                                        ui::Command::Colors,  ui::Command::Keys,
                                        ui::Command::Rules,   ui::Command::About};
        form->menu(commands[static_cast<int>(form_)]);
        EXPECT_FALSE(form->Form_Unload()) << "the close box of the disabled main window";
        form->Form_KeyDown(game().keys().left, false);
        EXPECT_EQ(game().pairx(), 2) << "a key of the disabled main window";
        form->unloaded(form_);
        EXPECT_EQ(take(), (Calls{"disable", std::string("open ") + name(form_), "enable"}));
        EXPECT_EQ(form->over(), Over::none);
        EXPECT_FALSE(game().clock().running);
        EXPECT_TRUE(game().display().command2);
        form->Form_KeyDown(game().keys().left, false);
        EXPECT_EQ(game().pairx(), 1);
    }
}

// The game-over window: Ok or its close box, with a record and without; the name is kept only
// in record mode, whatever the window sends.
TEST_F(MainFormWithRecords, GameOverWithAndWithoutARecord) {
    for (const bool record : {false, true}) {
        for (const bool ok : {false, true}) {
            SCOPED_TRACE(std::string(record ? "record" : "no record") + (ok ? ", Ok" : ", close"));
            form->Command1_Click();
            readygameover();
            set(game()).display.score = record ? 150 : 50;
            take();
            form->Timer1_Timer();
            EXPECT_EQ(form->over(), record ? Over::record : Over::gameover);
            EXPECT_EQ(take(), (Calls{"disable", "open overform", record ? "record" : "no record",
                                     "hold 250"}));
            EXPECT_FALSE(game().clock().running);
            if (ok) {
                form->overform_Ok("Ваня");
            }
            form->unloaded(FormId::overform);
            const bool stored = record && ok;
            EXPECT_EQ(game().topname()[0], stored ? "Ваня" : "-");
            EXPECT_EQ(stored1(), stored ? "Ваня" : "");
            EXPECT_EQ(take(), record ? Calls{"open topscores"} : Calls{"enable"});
            EXPECT_TRUE(game().display().command1);  // idle behind it
            if (record) {
                EXPECT_EQ(form->over(), Over::window);
                form->unloaded(FormId::topscores);
                EXPECT_EQ(take(), Calls{"enable"});
            }
            EXPECT_EQ(form->over(), Over::none);
            store.values.erase({"TopScores", "Name 1"});
            form = std::make_unique<MainForm>(host, store, [] { return 1234.5; });
        }
    }
}

// The main window closed during a game that makes the list: the name is asked with the main
// window hidden, and the program ends once the window closes, with or without the name.
TEST_F(MainFormWithRecords, ClosingWithARecordAsksTheNameThenEnds) {
    for (const bool ok : {true, false}) {
        form->Command1_Click();
        set(game()).display.score = 500;
        take();
        EXPECT_FALSE(form->Form_Unload());
        EXPECT_EQ(form->over(), Over::closing);
        EXPECT_EQ(take(), (Calls{"hide", "open overform", "record"}));
        EXPECT_FALSE(game().clock().running);
        EXPECT_FALSE(form->Form_Unload());  // while the name is asked
        if (ok) {
            form->overform_Ok("Петя");
        }
        form->unloaded(FormId::overform);
        EXPECT_EQ(take(), Calls{"end"});
        EXPECT_EQ(stored1(), ok ? "Петя" : "-");
        store.values.erase({"TopScores", "Name 1"});
        form = std::make_unique<MainForm>(host, store, [] { return 1234.5; });
    }
    set(game()).display.score = 500;
    EXPECT_TRUE(form->Form_Unload()) << "no game: no record to offer";
    form->Command1_Click();
    set(game()).display.score = 50;
    EXPECT_TRUE(form->Form_Unload()) << "too low a score";
}

// A page closing can ask nothing: the record of a game under way, or of the game-over window
// asking for it, is kept under the name given, once; a result the list would not take, or a
// game-over window that asks nothing, only saves the settings.
TEST_F(MainFormWithRecords, ClosedUnaskedKeepsTheRecordUnderTheNameGiven) {
    form->Command1_Click();
    set(game()).display.score = 500;
    game().setsound(true);
    form->closedunasked("Anonymous");
    EXPECT_EQ(stored1(), "Anonymous");
    EXPECT_EQ(store.read("Options", "Sound"), "True");

    form = std::make_unique<MainForm>(host, store, [] { return 1234.5; });
    form->Command1_Click();
    readygameover();
    set(game()).display.score = 900;
    form->Timer1_Timer();
    ASSERT_EQ(form->over(), Over::record);
    form->closedunasked("Жора");
    form->closedunasked("Жора");  // the page came back from the browser's cache, and went
    form->overform_Ok("Жора");
    EXPECT_EQ(stored1(), "Жора");
    EXPECT_EQ(game().topname()[1], "Anonymous");
    EXPECT_EQ(game().topname()[2], "-") << "stored once";

    for (const int score : {50, 700}) {
        form = std::make_unique<MainForm>(host, store, [] { return 1234.5; });
        if (score == 700) {  // the game is over and was no record: the window asks nothing
            form->Command1_Click();
            readygameover();
            set(game()).display.score = 50;
            form->Timer1_Timer();
            ASSERT_EQ(form->over(), Over::gameover);
            set(game()).display.score = score;
        } else {
            form->Command1_Click();
            set(game()).display.score = score;
        }
        game().setsound(false);
        form->closedunasked("Ыы");
        EXPECT_EQ(game().topname()[2], "-") << score;
        EXPECT_EQ(store.read("Options", "Sound"), "False") << score;
    }
}

// What arrives while a landing blinks waits for it and then acts, in order, on the next pair:
// keys, buttons, menu commands, minimising and the close box alike.
TEST_F(MainFormTest, InputDuringALandingActsAfterItInOrder) {
    form->Command1_Click();
    readylanding();
    form->Timer1_Timer();
    ASSERT_TRUE(game().landing());
    ASSERT_TRUE(game().blinkclock().running);
    take();
    const int next = game().nextcolor()[0];
    form->Form_KeyDown(game().keys().left, false);
    form->Form_KeyDown(game().keys().left, true);
    form->menu(ui::Command::Sound);
    form->minimised();
    form->Command2_Click();
    EXPECT_FALSE(form->Form_Unload());
    form->menu(ui::Command::Colors);
    EXPECT_EQ(take(), Calls{});
    EXPECT_EQ(game().pairx(), 0);
    EXPECT_FALSE(game().sound());

    blinkout();
    EXPECT_FALSE(game().landing());
    EXPECT_EQ(game().display().score, 16);
    EXPECT_EQ(game().paircolor1(), next);
    EXPECT_EQ(game().pairx(), 0) << "two Lefts on the next pair";
    EXPECT_TRUE(game().sound());
    // Minimised paused it, "Продолжить" went on, and the colours pause it again.
    EXPECT_EQ(take(), (Calls{"close", "disable", "open colorform"}));
    EXPECT_FALSE(game().clock().running);
    EXPECT_TRUE(game().display().command2);
    EXPECT_EQ(form->over(), Over::window);
}

// A drop waiting behind a blink may end the game: what waited after it meets the game-over
// window and does nothing, and keys are held back from the moment the game ended.
TEST_F(MainFormTest, GameOverDuringALandingStopsWhatWaited) {
    form->Command1_Click();
    readylanding();
    form->Timer1_Timer();
    set(game()).board[2][2] = 1;  // the landing's own balls are elsewhere: column 2 is nearly full
    for (int y = 3; y < Game::kRows; ++y) {
        set(game()).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
    }
    form->Form_KeyDown(game().keys().drop, false);
    form->Form_KeyDown(game().keys().left, false);
    form->menu(ui::Command::About);
    EXPECT_FALSE(form->Form_Unload());
    take();
    blinkout();
    EXPECT_TRUE(game().over());
    EXPECT_EQ(form->over(), Over::record);
    EXPECT_EQ(take(), (Calls{"disable", "open overform", "record", "hold 250"}));
    EXPECT_EQ(game().pairx(), 2);
}

// With the Animation option off a landing never waits: input acts at once.
TEST_F(MainFormTest, WithoutAnimationALandingWaitsForNothing) {
    form->Command1_Click();
    readylanding(false);
    form->Timer1_Timer();
    EXPECT_FALSE(game().landing());
    EXPECT_FALSE(game().blinkclock().running);
    EXPECT_EQ(game().display().score, 16);
}

TEST_F(MainFormTest, RecordsTableShowsWhatAnotherCopyStoredSinceStart) {
    SilentHost silent;
    Game other(silent);
    other.loadsettings(store);
    set(other).display.score = 500;
    other.storerecord(store, "Другой");

    form->menu(ui::Command::TopScores);
    EXPECT_EQ(take(), (Calls{"disable", "open topscores"}));
    EXPECT_EQ(game().topscore()[0], 500);
    EXPECT_EQ(game().topname()[0], "Другой");
}

TEST_F(MainFormTest, MinimisedPausesTheGameAndNothingWithout) {
    form->Command1_Click();
    ASSERT_TRUE(game().clock().running);
    form->minimised();
    EXPECT_FALSE(game().clock().running);
    EXPECT_TRUE(game().display().command2);
    form->minimised();  // restored and minimised again: still paused, not resumed
    EXPECT_FALSE(game().clock().running);
    form->Command2_Click();
    EXPECT_TRUE(game().clock().running);

    game().resetidle();
    form->minimised();
    EXPECT_TRUE(game().display().command1);
    EXPECT_FALSE(game().display().command2);
}

// What happens between the windows, without a toolkit: a table that shows a stale list, or a
// game that runs on behind a minimised window, is a fault of the main form, not of a front end.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "BoardPicture.h"
#include "MainForm.h"
#include "MemoryStore.h"
#include "SilentHost.h"

namespace {

// Records the windows opened; a blink step runs what the test says arrives meanwhile.
struct WindowsHost : MainHost {
    std::vector<FormId> opened;
    std::function<void()> duringblink;

    void playsound(std::string_view) override {}
    void clockchanged() override {}
    void blinkstep(int) override {
        if (duringblink) {
            duringblink();
        }
    }
    void render() override {}
    void open(FormId form) override { opened.push_back(form); }
    void setrecordmode(bool) override {}
    void enablemain(bool) override {}
    void hidemain() override {}
    void closemain() override {}
    void holdkeys() override {}
    void endprogram() override {}
};

class MainFormTest : public ::testing::Test {
protected:
    MemoryStore store;
    WindowsHost host;
    MainForm form{host, store, [] { return 1234.5; }};
    Game& game = form.game();
};

}  // namespace

TEST_F(MainFormTest, RecordsTableShowsWhatAnotherCopyStoredSinceStart) {
    SilentHost silent;
    Game other(silent);
    other.loadsettings(store);
    other.display.score = 500;
    other.storerecord(store, "Другой");

    form.menu(ui::Command::TopScores);
    ASSERT_EQ(host.opened, std::vector<FormId>{FormId::topscores});
    EXPECT_EQ(game.topscore()[0], 500);
    EXPECT_EQ(game.topname()[0], "Другой");
}

TEST_F(MainFormTest, MinimisedPausesTheGameAndAfterALandingUnderWay) {
    form.Command1_Click();
    ASSERT_TRUE(game.clock().running);
    form.minimised();
    EXPECT_FALSE(game.clock().running);
    EXPECT_TRUE(game.display.command2);
    form.minimised();  // restored and minimised again: still paused, not resumed
    EXPECT_FALSE(game.clock().running);
    form.Command2_Click();
    EXPECT_TRUE(game.clock().running);

    // Minimised while a group blinks: the landing ends, and the game waits paused.
    game.setanim(true);
    setrows(game, {"111..."});
    game.drawboard();
    game.pairx = 3;
    game.pairy = 14;
    game.pairdir = 3;
    game.paircolor1 = 1;
    game.paircolor2 = 4;
    host.duringblink = [this] { form.minimised(); };
    form.Timer1_Timer();
    EXPECT_EQ(game.display.score, 16);
    EXPECT_FALSE(game.clock().running);
    EXPECT_TRUE(game.display.command2);

    // No game, nothing to pause.
    host.duringblink = nullptr;
    game.resetidle();
    form.minimised();
    EXPECT_TRUE(game.display.command1);
    EXPECT_FALSE(game.display.command2);
}

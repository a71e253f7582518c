// Groups and scoring: a wrong flood fill counts diagonals or misses an arm; a wrong search
// order removes groups in the wrong order or several per call.
#include "EngineTest.h"
#include "GameSetup.h"

class Groups : public EngineTest {
protected:
    Groups() { game.newgame(); }

    // Lands a lying pair at the top of the given columns, like the clock would.
    void land(int x, int color1, int color2) {
        setpair(x, 1, 3, color1, color2);
        game.droppair();
    }
};

TEST_F(Groups, ThreeStayAndAFourthRemovesAllFour) {
    setboard({"111...", "232323"});
    game.removegroups();
    EXPECT_EQ(ballcount(), 9);
    setpair(3, 12, 3, 1, 4);  // lands in row 13 beside the three
    game.droppair();
    EXPECT_EQ(game.display().score, 16);
    EXPECT_EQ(game.display().col, 1);
    EXPECT_EQ(cell(0, 13), 0);
    EXPECT_EQ(cell(4, 13), 4);
    EXPECT_EQ(ballcount(), 6 + 1);
}

TEST_F(Groups, LAndTShapesAreOneGroupButDiagonalsAreNot) {
    setboard({"1.....", "1.....", "11...."});
    EXPECT_EQ(game.removegroups(), 1);
    EXPECT_EQ(game.group().size(), 4u);
    EXPECT_EQ(game.display().score, 16);

    setboard({".1....", "111..."});
    EXPECT_EQ(game.removegroups(), 1);
    EXPECT_EQ(game.group().size(), 4u);

    setboard({"1.1...", ".1.1..", "1.1.1."});
    EXPECT_EQ(game.removegroups(), 0);
    EXPECT_EQ(ballcount(), 7);
}

TEST_F(Groups, FloodFillVisitsLeftRightDownUp) {
    setboard({".22...", "222..."});
    game.removegroups();
    const std::vector<Game::Cell> order{{0, 14}, {1, 14}, {2, 14}, {2, 13}, {1, 13}};
    EXPECT_EQ(game.group(), order);
}

TEST_F(Groups, TwoGroupsInOneLandingGoOneAfterTheOtherInSearchOrder) {
    setboard({"1...2.", "1...2.", "1...2.", "1...2."});
    game.setanim(true);
    game.landpair();
    EXPECT_EQ(game.display().score, 0);  // each group goes once it has blinked
    blinkout();
    EXPECT_EQ(game.display().score, 32);
    EXPECT_EQ(game.display().col, 2);
    // The first blink is column 0's group, the second column 4's.
    ASSERT_EQ(frames.size(), 14u);
    EXPECT_FALSE(frames[0][11 * 6 + 0]);
    EXPECT_TRUE(frames[0][11 * 6 + 4]);
    EXPECT_FALSE(frames[7][11 * 6 + 4]);
}

TEST_F(Groups, OneGroupOfEightScoresSixtyFour) {
    setboard({"1111..", "1111.."});
    game.landpair();
    EXPECT_EQ(game.display().score, 64);
    EXPECT_EQ(game.display().col, 1);
}

TEST_F(Groups, BallsFallIntoTheGapAndFormAChain) {
    // Removing the 1s lets the 2 drop beside three more 2s.
    setboard({"2.....", "1.....", "1222..", "11...."});
    game.landpair();
    EXPECT_EQ(game.display().col, 2);
    EXPECT_EQ(game.display().score, 32);
    EXPECT_EQ(ballcount(), 0);
}

TEST_F(Groups, RemovalBlinksSevenTimesAndEndsHidden) {
    game.setanim(true);
    setboard({"1111.."});
    game.removegroups();
    EXPECT_FALSE(game.clock().running);
    blinkout();
    ASSERT_EQ(frames.size(), 7u);
    for (int step = 0; step < 7; ++step) {
        EXPECT_EQ(frames[step][14 * 6], step % 2 == 1) << step;
        EXPECT_EQ(lengths[step], 75) << step;
    }
    EXPECT_FALSE(shown(0, 14));
    EXPECT_EQ(cell(0, 14), 0);

    frames.clear();
    game.setanim(false);
    setboard({"2222.."});
    game.removegroups();
    EXPECT_FALSE(game.blinkclock().running);
    EXPECT_TRUE(frames.empty());
    EXPECT_TRUE(shown(0, 14));  // until the board is repainted
}

TEST_F(Groups, GotSoundOnlyWithTheSoundOption) {
    setboard({"1111.."});
    game.removegroups();
    EXPECT_TRUE(host.sounds.empty());
    game.setsound(true);
    setboard({"1111.."});
    game.removegroups();
    EXPECT_EQ(host.sounds, std::vector<std::string>{"got"});
}

TEST_F(Groups, EntryCellEndsTheGameEvenWhenTheLandingCompletesAGroup) {
    game.setsound(true);
    // Column 2 reaches row 1, and its top four balls make a group.
    setboard({"..1...", "..1...", "..1...", "..1...", "..2...", "..1...", "..2...", "..1...",
              "..2...", "..1...", "..2...", "..1...", "..2...", "..1..."});
    EXPECT_EQ(game.removegroups(), 0);
    ASSERT_EQ(host.gameovers.size(), 1u);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"gameover"});
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.display().score, 0);
    EXPECT_EQ(ballcount(), 14);
}

TEST_F(Groups, FullColumnElsewhereDoesNotEndTheGame) {
    setboard({"1.....", "2.....", "1.....", "2.....", "1.....", "2.....", "1.....", "2.....",
              "1.....", "2.....", "1.....", "2.....", "1.....", "2.....", "1....."});
    EXPECT_EQ(game.removegroups(), 0);
    EXPECT_TRUE(host.gameovers.empty());
}

TEST_F(Groups, GameOverOffersTheRecordFromTheTenthScoreUp) {
    setrecords({900, 800, 700, 600, 500, 400, 300, 200, 100, 50}, {});
    set(game).display.score = 50;
    game.gameover();
    set(game).display.score = 49;
    game.gameover();
    EXPECT_EQ(host.gameovers, (std::vector<bool>{true, false}));
}

// The progress bar and the level: a wrong formula shows the wrong share or skips a level.
class Levels : public Groups {
protected:
    void removeone() {
        setboard({"1111.."});
        game.removegroups();
        blinkout();
    }
};

TEST_F(Levels, ProgressIsTheShareOfTheCurrentHundred) {
    set(game).display.col = 36;
    removeone();
    EXPECT_DOUBLE_EQ(game.display().perc, 359.64);
    set(game).display.col = 99;
    removeone();
    EXPECT_EQ(game.display().perc, 0);
}

TEST_F(Levels, HundredthGroupRaisesTheLevelWithABlinkingMessage) {
    game.setsound(true);
    set(game).display.col = 99;
    removeone();
    EXPECT_EQ(game.display().level, 2);
    EXPECT_EQ(game.clock().period, 350);
    EXPECT_EQ(game.display().info, "Вы перешли на 2-й уровень!");
    EXPECT_EQ(infoframes, (std::vector<bool>{true, false, true, false, true, false, true, false}));
    EXPECT_EQ(lengths, std::vector<int>(8, 100));
    EXPECT_FALSE(game.display().infovisible);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"got", "level"}));
    EXPECT_TRUE(game.clock().running);
}

TEST_F(Levels, NoLevelUpAtLevelEightAndTheBarStaysEmpty) {
    game.setlevel(8);
    for (int g : {0, 50, 99, 100, 799}) {
        set(game).display.col = g;
        removeone();
        EXPECT_EQ(game.display().level, 8);
        EXPECT_EQ(game.display().perc, 0);
    }
    EXPECT_TRUE(infoframes.empty());
}

TEST_F(Levels, GameStartedHigherRisesOnlyWhenTheCountCatchesUp) {
    game.setstartlevel(3);
    game.newgame();
    set(game).display.col = 99;
    removeone();
    EXPECT_EQ(game.display().level, 3);
    EXPECT_EQ(game.display().perc, 0);  // the level is ahead of the count
    set(game).display.col = 299;
    removeone();
    EXPECT_EQ(game.display().level, 4);
    set(game).display.col = 336;
    removeone();
    EXPECT_DOUBLE_EQ(game.display().perc, 359.64);
}

// Input during a blink: acting on the stored pair would land it twice or clear a new game.
TEST_F(Groups, InputDuringABlinkIsIgnoredByTheEngine) {
    game.setanim(true);
    setboard({"111..."});
    int injected = 0;
    const auto during = [&] {
        ++injected;
        game.keydown(37);
        game.keydown(40);
        game.droppair();
        game.moveright();
        game.rotatepair();
        game.newgame();
        game.restart();
        game.pause();
        game.keydown(80);
    };
    setpair(3, 12, 3, 1, 4);
    const auto next = game.nextcolor();
    game.droppair();
    blinkout(during);
    EXPECT_EQ(injected, 7);
    EXPECT_EQ(game.display().score, 16);
    EXPECT_EQ(cell(4, 14), 4);  // ball 2 settled once, nothing landed twice
    EXPECT_EQ(ballcount(), 1);
    EXPECT_EQ(game.paircolor1(), next[0]);
    EXPECT_TRUE(game.clock().running);
    EXPECT_FALSE(game.display().command2);
}

TEST_F(Groups, DropWhilePausedThatRemovesAndLevelsUpLeavesTheGamePaused) {
    game.setanim(true);
    game.pause();
    set(game).display.col = 99;
    setboard({"111..."});
    setpair(3, 12, 3, 1, 4);
    drop();
    EXPECT_EQ(game.display().level, 2);
    EXPECT_EQ(game.clock().period, 350);
    EXPECT_FALSE(game.clock().running);
    EXPECT_TRUE(game.display().command2);
}

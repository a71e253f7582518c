// Records and the return to idle: a wrong insertion drops the wrong entry or reorders ties.
#include "EngineTest.h"

class Records : public EngineTest {
protected:
    Records() {
        game.topscore = {900, 800, 700, 600, 500, 500, 300, 200, 100, 50};
        game.topname = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    }
    void insert(std::int64_t score, const std::string& name) {
        game.display.score = score;
        game.insertrecord(name);
    }
};

TEST_F(Records, NewBestGoesFirstAndTheTenthDrops) {
    insert(1000, "best");
    EXPECT_EQ(game.topscore,
              (std::array<std::int32_t, 10>{1000, 900, 800, 700, 600, 500, 500, 300, 200, 100}));
    EXPECT_EQ(game.topname[0], "best");
    EXPECT_EQ(game.topname[1], "a");
    EXPECT_EQ(game.topname[9], "i");
}

TEST_F(Records, MiddleAndTiesGoAboveEqualScores) {
    insert(650, "mid");
    EXPECT_EQ(game.topscore[3], 650);
    EXPECT_EQ(game.topname[3], "mid");
    EXPECT_EQ(game.topname[4], "d");
    insert(500, "tie");
    EXPECT_EQ(game.topname[5], "tie");
    EXPECT_EQ(game.topname[6], "e");
    EXPECT_EQ(game.topname[7], "f");
}

TEST_F(Records, EqualToTheTenthQualifiesAndReplacesIt) {
    game.display.score = 50;
    EXPECT_TRUE(game.qualifies());
    game.insertrecord("");
    EXPECT_EQ(game.topscore[9], 50);
    EXPECT_EQ(game.topname[9], "");  // an empty name stays empty
    game.display.score = 49;
    EXPECT_FALSE(game.qualifies());
}

TEST_F(Records, AllDefaultListTakesEvenZero) {
    game.topscore.fill(0);
    game.display.score = 0;
    EXPECT_TRUE(game.qualifies());
    game.insertrecord("Anonymous");
    EXPECT_EQ(game.topname[0], "Anonymous");
}

// A pasted line break would split the table's line and the store's text; Cyrillic stays.
TEST_F(Records, ControlCharactersInANameBecomeBlanks) {
    constexpr char typed[] = "Ва\tня\r\n\x01\x1F\x7F!\0end";
    insert(1000, std::string(typed, sizeof typed - 1));
    EXPECT_EQ(game.topname[0], "Ва ня     ! end");
}

TEST_F(Records, HugeScoreIsStoredAtTheLargestRecord) {
    insert(std::int64_t{1} << 40, "x");
    EXPECT_EQ(game.topscore[0], INT32_MAX);
}

TEST_F(Records, GameOverResetReturnsToIdle) {
    game.newgame();
    setboard({"1....."});
    game.display.score = 77;
    game.display.col = 3;
    game.startlevel = 4;
    game.pause();
    game.gameover();
    ASSERT_TRUE(game.over());
    game.resetidle();
    const auto& d = game.display;
    EXPECT_TRUE(d.command1);
    EXPECT_FALSE(d.command2);
    EXPECT_FALSE(d.countersvisible);
    EXPECT_EQ(d.score, 0);
    EXPECT_EQ(d.col, 0);
    EXPECT_EQ(d.level, 4);
    EXPECT_EQ(d.next[0], DisplayState::kWellColor);
    EXPECT_EQ(d.next[1], DisplayState::kWellColor);
    EXPECT_FALSE(d.curs[0].visible || d.curs[1].visible);
    EXPECT_TRUE(d.infovisible);
    EXPECT_EQ(d.info, "Вы можете задать начальный уровень в меню.");
    EXPECT_FALSE(d.pauseenabled);
    EXPECT_FALSE(game.clock.running);
    EXPECT_EQ(ballcount(), 0);
    for (int i = 0; i < 90; ++i) {
        EXPECT_FALSE(d.ball[i].visible);
    }
    EXPECT_EQ(game.board[0][15], 5);
    game.keydown(40);  // idle: no game keys
    EXPECT_EQ(ballcount(), 0);
}

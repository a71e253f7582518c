// Fall and landing: a wrong step loses balls, writes over them or lets a pair hang in the air.
#include "EngineTest.h"
#include "GameSetup.h"

class Fall : public EngineTest {};

// Nothing may rely on the floor before the first game has laid it.
TEST_F(Fall, ProgramStartsWithNoFloorAndNoGame) {
    for (const auto& column : game.board()) {
        for (auto value : column) {
            EXPECT_EQ(value, 0);
        }
    }
    EXPECT_FALSE(game.display().pauseenabled);
    EXPECT_FALSE(game.clock().running);
}

TEST_F(Fall, NewGameClearsTheWellAndDealsAPairAtTheStartingLevel) {
    game.setstartlevel(8);
    game.newgame();
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(cell(x, 15), 5);
        for (int y = 0; y < 15; ++y) {
            EXPECT_EQ(cell(x, y), 0);
            EXPECT_EQ(shown(x, y), x == 2 && y <= 1) << x << "," << y;
        }
    }
    EXPECT_EQ(game.pairx(), 2);
    EXPECT_EQ(game.pairy(), 0);
    EXPECT_EQ(game.pairdir(), 0);
    EXPECT_TRUE(game.clock().running);
    EXPECT_EQ(game.clock().period, 50);
    EXPECT_EQ(game.display().level, 8);
    EXPECT_TRUE(game.display().pauseenabled);
    EXPECT_FALSE(game.display().infovisible);
    // The progress bar keeps its width until the first group of the game.
    EXPECT_EQ(game.display().perc, 12);  // its design width, in twips
}

TEST_F(Fall, NewGameDuringAGameReplacesIt) {
    game.newgame();
    setboard({"1.....", "22...."});
    set(game).display.score = 99;
    set(game).display.col = 7;
    set(game).display.perc = 400;
    game.pause();
    game.restart();
    EXPECT_EQ(ballcount(), 0);
    EXPECT_EQ(game.display().score, 0);
    EXPECT_EQ(game.display().col, 0);
    EXPECT_EQ(game.display().perc, 400);
    EXPECT_FALSE(game.display().command2);
    EXPECT_TRUE(game.clock().running);
}

TEST_F(Fall, PreviewBecomesTheNextPair) {
    game.newgame();
    const auto next = game.nextcolor();
    game.droppair();
    EXPECT_EQ(game.paircolor1(), next[0]);
    EXPECT_EQ(game.paircolor2(), next[1]);
    EXPECT_EQ(game.display().next[0], game.palette()[game.nextcolor()[0]]);
    EXPECT_EQ(game.display().next[1], game.palette()[game.nextcolor()[1]]);
}

TEST_F(Fall, UprightPairFallsDownAnEmptyColumnAndLandsOnTheFloor) {
    game.newgame();
    setpair(0, 0, 0, 1, 2);
    EXPECT_EQ(game.tick(), 1);
    EXPECT_TRUE(shown(0, 1) && shown(0, 2));
    EXPECT_FALSE(shown(0, 0));
    int steps = 1;
    while (game.pairx() == 0 && game.tick() == 1) {
        ++steps;
    }
    EXPECT_EQ(steps, 12);  // shown in rows 12 and 13 for one period, then stored
    EXPECT_EQ(cell(0, 13), 1);
    EXPECT_EQ(cell(0, 14), 2);
    EXPECT_TRUE(shown(0, 13) && shown(0, 14));
    EXPECT_EQ(game.pairx(), 2);  // the next pair has entered
}

TEST_F(Fall, LyingPairOverAGapSettlesTheUnsupportedBall) {
    game.newgame();
    setboard({"1.....", "2....."});
    setpair(0, 11, 3, 3, 4);  // ball 2 to the right, over the empty column 1
    EXPECT_EQ(game.tick(), 0);
    EXPECT_EQ(cell(0, 12), 3);
    EXPECT_EQ(cell(1, 14), 4);
    EXPECT_EQ(cell(1, 12), 0);
    EXPECT_TRUE(shown(1, 14));
    EXPECT_FALSE(shown(1, 12));
}

TEST_F(Fall, PairTurnedUpsideDownLandsOnBallOne) {
    game.newgame();
    setboard({"1....."});
    setpair(0, 12, 2, 3, 4);
    EXPECT_EQ(game.tick(), 0);
    EXPECT_EQ(cell(0, 13), 3);
    EXPECT_EQ(cell(0, 12), 4);
}

// A pair moved onto a ledge must land where it stands instead of stepping into the ledge.
TEST_F(Fall, PairAlreadyRestingLandsWhereItStands) {
    game.newgame();
    setboard({".1....", ".2....", ".1....", ".2...."});
    setpair(1, 9, 0, 3, 4);  // ball 2 in row 10, right over the stack's top in row 11
    const int before = ballcount();
    EXPECT_EQ(game.tick(), 0);
    EXPECT_EQ(cell(1, 9), 3);
    EXPECT_EQ(cell(1, 10), 4);
    EXPECT_EQ(cell(1, 11), 1);
    EXPECT_EQ(ballcount(), before + 2);
}

TEST_F(Fall, LyingPairSlidOverALedgeLandsWhereItStands) {
    game.newgame();
    setboard({"...1..", "...2..", "...1..", "...2.."});
    setpair(3, 10, 1, 3, 4);  // slid so that ball 1 sits just above the stack in column 3
    EXPECT_EQ(game.tick(), 0);
    EXPECT_EQ(cell(3, 10), 3);
    EXPECT_EQ(cell(2, 14), 4);  // the other ball falls through the gap
    EXPECT_EQ(cell(3, 11), 1);
}

// Turned 3 -> 0 on row 13, ball 2 already stands in row 14: no step may read below the floor.
TEST_F(Fall, UprightPairWithBallTwoOnTheBottomRowLands) {
    game.newgame();
    setpair(4, 13, 3, 1, 2);
    game.rotatepair();
    ASSERT_EQ(game.pairdir(), 0);
    EXPECT_EQ(game.tick(), 0);
    EXPECT_EQ(cell(4, 13), 1);
    EXPECT_EQ(cell(4, 14), 2);
}

TEST_F(Fall, PairDealtOverAColumnReachingRowTwoEndsTheGame) {
    game.newgame();
    setboard({"..1...", "..2...", "..1...", "..2...", "..1...", "..2...", "..1...", "..2...",
              "..1...", "..2...", "..1...", "..2...", "..1..."});
    setpair(2, 0, 0, 3, 4);
    EXPECT_EQ(game.tick(), 0);
    EXPECT_EQ(cell(2, 0), 3);
    EXPECT_EQ(cell(2, 1), 4);
    ASSERT_EQ(host.gameovers.size(), 1u);
    EXPECT_FALSE(game.clock().running);
    // The next pair is still drawn on the entry cells.
    EXPECT_EQ(game.pairx(), 2);
    EXPECT_TRUE(shown(2, 0));
}

TEST_F(Fall, SettlingDropsEveryBallIntoTheGapsBelow) {
    game.newgame();
    set(game).board[0][3] = 1;
    set(game).board[0][9] = 2;
    set(game).board[5][0] = 3;
    game.landpair();
    EXPECT_EQ(cell(0, 14), 2);
    EXPECT_EQ(cell(0, 13), 1);
    EXPECT_EQ(cell(5, 14), 3);
    EXPECT_EQ(ballcount(), 3);
    EXPECT_TRUE(shown(0, 13) && shown(0, 14) && shown(5, 14));
    EXPECT_FALSE(shown(0, 3));
}

TEST_F(Fall, ColoursTwoAndThreeComeTwiceAsOftenAsOneAndFour) {
    game.newgame();
    std::map<int, int> count;
    for (int i = 0; i < 60000; ++i) {
        game.newpair();
        ++count[game.nextcolor()[0]];
        ++count[game.nextcolor()[1]];
    }
    ASSERT_EQ(count.size(), 4u);
    EXPECT_EQ(count.begin()->first, 1);
    EXPECT_EQ(count.rbegin()->first, 4);
    const double total = 120000;
    EXPECT_NEAR(count[1] / total, 1.0 / 6, 0.01);
    EXPECT_NEAR(count[2] / total, 1.0 / 3, 0.01);
    EXPECT_NEAR(count[3] / total, 1.0 / 3, 0.01);
    EXPECT_NEAR(count[4] / total, 1.0 / 6, 0.01);
}

TEST_F(Fall, EachGameIsSeededFromTheTimeOfDay) {
    auto deal = [&](double time) {
        Game dealt(host, [time] { return time; });
        dealt.newgame();
        std::vector<int> colours;
        for (int i = 0; i < 20; ++i) {
            dealt.newpair();
            colours.push_back(dealt.nextcolor()[0]);
        }
        return colours;
    };
    EXPECT_EQ(deal(100.25), deal(100.25));
    EXPECT_NE(deal(100.25), deal(100.5));
}

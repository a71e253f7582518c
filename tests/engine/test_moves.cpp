// Moves and turns: a wrong table row lets a pair leave the well, pass through balls or
// refuse a legal move.
#include "EngineTest.h"
#include "GameSetup.h"
#include "ParamName.h"

class Moves : public EngineTest {
protected:
    Moves() { game.newgame(); }
};

struct MoveCase {
    const char* what;
    std::vector<const char*> board;  // bottom rows
    int x, y, dir;
    bool left;  // moveleft, else moveright
    bool allowed;
};

class MoveTable : public Moves, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveTable, FollowsTheCollisionTable) {
    const MoveCase& c = GetParam();
    setrows(game, c.board);
    setpair(c.x, c.y, c.dir);
    if (c.left) {
        game.moveleft();
    } else {
        game.moveright();
    }
    const int expected = c.allowed ? c.x + (c.left ? -1 : 1) : c.x;
    EXPECT_EQ(game.pairx(), expected) << c.what;
    EXPECT_EQ(game.pairdir(), c.dir);
    EXPECT_EQ(game.pairy(), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MoveTable,
    ::testing::Values(
        MoveCase{"upright at the left wall", {}, 0, 5, 0, true, false},
        MoveCase{"upright free", {}, 3, 5, 0, true, true},
        MoveCase{"upright, stack at ball 2's row", {"2.....", "1....."}, 1, 12, 0, true, false},
        MoveCase{"upright, stack at ball 1's row", {"2.....", "1....."}, 1, 13, 0, true, false},
        MoveCase{"ball 2 left at column 0", {}, 1, 5, 1, true, false},
        MoveCase{"ball 2 left free", {}, 2, 5, 1, true, true},
        MoveCase{"ball 2 left, blocked beyond it", {"1.....", "2....."}, 2, 13, 1, true, false},
        MoveCase{"ball 2 above at the wall", {}, 0, 5, 2, true, false},
        MoveCase{"ball 2 above, stack beside ball 1", {"1.....", "2....."}, 1, 13, 2, true, false},
        MoveCase{"ball 2 right at the wall", {}, 0, 5, 3, true, false},
        MoveCase{"ball 2 right, blocked", {"1.....", "2....."}, 1, 14, 3, true, false},
        MoveCase{"ball 2 right, leading ball free", {".....1", ".....2"}, 3, 12, 3, true, true},
        MoveCase{"upright at the right wall", {}, 5, 5, 0, false, false},
        MoveCase{
            "upright, stack at ball 2's row right", {".....2", ".....1"}, 4, 12, 0, false, false},
        MoveCase{"ball 2 left at the right wall", {}, 5, 5, 1, false, false},
        MoveCase{"ball 2 left free", {}, 4, 5, 1, false, true},
        MoveCase{"ball 2 left, blocked", {".....1", ".....2"}, 4, 13, 1, false, false},
        MoveCase{"ball 2 above at the right wall", {}, 5, 5, 2, false, false},
        MoveCase{
            "ball 2 above, stack at ball 1's row", {".....1", ".....2"}, 4, 13, 2, false, false},
        MoveCase{"ball 2 above, stack beside the pair",
                 {".....1", ".....2", ".....1"},
                 4,
                 13,
                 2,
                 false,
                 false},
        MoveCase{"ball 2 right at column 4", {}, 4, 5, 3, false, false},
        MoveCase{"ball 2 right free", {}, 3, 5, 3, false, true},
        MoveCase{"ball 2 right, blocked beyond", {".....1", ".....2"}, 3, 13, 3, false, false}),
    [](const auto& info) {
        return (info.param.left ? "Left_" : "Right_") + paramname(info.param.what);
    });

struct TurnCase {
    const char* what;
    std::vector<const char*> board;
    int x, y, from;
    bool allowed;
};

class TurnTable : public Moves, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnTable, FollowsTheRotationTable) {
    const TurnCase& c = GetParam();
    setrows(game, c.board);
    setpair(c.x, c.y, c.from);
    game.rotatepair();
    EXPECT_EQ(game.pairdir(), c.allowed ? (c.from + 1) % 4 : c.from) << c.what;
    EXPECT_EQ(game.pairx(), c.x);
    EXPECT_EQ(game.pairy(), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TurnTable,
    ::testing::Values(
        TurnCase{"0->1 at the left wall", {}, 0, 5, 0, false},
        TurnCase{"0->1 free", {}, 3, 5, 0, true},
        TurnCase{"0->1 sweep cell below-left taken", {"2.....", "1....."}, 1, 12, 0, false},
        TurnCase{"0->1 cell left of ball 1 taken", {"1.....", "2.....", "1....."}, 1, 12, 0, false},
        TurnCase{"1->2 in row 0", {}, 3, 0, 1, false},
        TurnCase{"1->2 anywhere else", {}, 3, 1, 1, true},
        TurnCase{"2->3 at the right wall", {}, 5, 5, 2, false},
        TurnCase{"2->3 cell right taken", {"....1.", "....2."}, 3, 13, 2, false},
        TurnCase{"2->3 free", {}, 3, 5, 2, true},
        TurnCase{"3->0 on the bottom row", {}, 2, 14, 3, false},
        TurnCase{"3->0 cell below taken", {"..1..."}, 2, 13, 3, false},
        TurnCase{"3->0 free", {}, 2, 12, 3, true}),
    [](const auto& info) { return paramname(info.param.what); });

TEST_F(Moves, FourTurnsBringThePairBack) {
    setpair(3, 5, 0);
    for (int i = 0; i < 4; ++i) {
        game.rotatepair();
    }
    EXPECT_EQ(game.pairdir(), 0);
}

TEST_F(Moves, OnlyThePairAndTheBallsAreShownAfterAMove) {
    setboard({"3....4"});
    setpair(2, 5, 0);
    game.moveright();
    game.rotatepair();
    for (int x = 0; x < 6; ++x) {
        for (int y = 0; y < 15; ++y) {
            const bool pair = (x == 3 && y == 5) || (x == 2 && y == 5);
            EXPECT_EQ(shown(x, y), pair || cell(x, y) != 0) << x << "," << y;
        }
    }
}

TEST_F(Moves, MarkersStandUnderThePairsColumns) {
    setpair(3, 5, 0);
    EXPECT_TRUE(game.display().curs[0].visible);
    EXPECT_EQ(game.display().curs[0].column, 3);
    EXPECT_FALSE(game.display().curs[1].visible);
    game.rotatepair();  // ball 2 left
    EXPECT_EQ(game.display().curs[0].column, 3);
    EXPECT_TRUE(game.display().curs[1].visible);
    EXPECT_EQ(game.display().curs[1].column, 2);
    game.rotatepair();  // above
    EXPECT_FALSE(game.display().curs[1].visible);
    game.rotatepair();  // right
    EXPECT_EQ(game.display().curs[1].column, 4);
    game.moveleft();
    EXPECT_EQ(game.display().curs[0].column, 2);
    EXPECT_EQ(game.display().curs[1].column, 3);
    // The fall step leaves them alone.
    game.tick();
    EXPECT_EQ(game.display().curs[0].column, 2);
}

TEST_F(Moves, DropLandsWhereTheClockWould) {
    setboard({"..1...", "..2..."});
    Game twin(host);
    set(twin).board = game.board();
    setpair(2, 0, 0, 3, 4);
    set(twin).pairx = 2, set(twin).pairy = 0, set(twin).pairdir = 0, set(twin).paircolor1 = 3,
    set(twin).paircolor2 = 4;
    while (twin.tick() == 1) {
    }
    const int period = game.clock().period;
    game.droppair();
    EXPECT_EQ(game.board(), twin.board());
    EXPECT_EQ(cell(2, 11), 3);
    EXPECT_EQ(cell(2, 12), 4);
    EXPECT_EQ(game.clock().period, period);
    EXPECT_TRUE(game.clock().running);
    EXPECT_EQ(game.pairy(), 0);  // the next pair is in at once
}

TEST_F(Moves, SoundsOnlyWithTheSoundOption) {
    setpair(0, 5, 0);
    game.rotatepair();  // refused against the wall
    game.droppair();
    EXPECT_TRUE(host.sounds.empty());
    game.setsound(true);
    setpair(0, 5, 0);
    game.rotatepair();
    EXPECT_EQ(game.pairdir(), 0);
    game.moveright();
    game.droppair();
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"rotate", "drop"}));
}

TEST_F(Moves, KeysFollowTheBindingsInOrder) {
    setpair(3, 5, 0);
    game.keydown(37);
    EXPECT_EQ(game.pairx(), 2);
    game.keydown(39);
    EXPECT_EQ(game.pairx(), 3);
    game.keydown(38);
    EXPECT_EQ(game.pairdir(), 1);
    // One key bound twice: only the first action in dispatch order runs.
    game.setkeys({37, 39, 37, 40});
    game.keydown(37);
    EXPECT_EQ(game.pairx(), 2);
    EXPECT_EQ(game.pairdir(), 1);
    // Codes are compared at full width: 65536 + 37 is not Left.
    game.keydown(65536 + 37);
    EXPECT_EQ(game.pairx(), 2);
}

// The system repeats a held key: moves and turns follow it, but a held drop key would throw
// away the pairs after the one it dropped.
TEST_F(Moves, HeldDropKeyDropsOnePairWhateverKeyItIs) {
    setpair(3, 5, 0);
    game.keydown(37, true);
    game.keydown(38, true);
    EXPECT_EQ(game.pairx(), 2);
    EXPECT_EQ(game.pairdir(), 1);
    game.keydown(40);
    EXPECT_EQ(ballcount(), 2);
    for (int i = 0; i < 10; ++i) {
        game.keydown(40, true);
    }
    EXPECT_EQ(ballcount(), 2);
    game.setkeys({37, 39, 38, 32});
    game.keydown(32, true);
    EXPECT_EQ(ballcount(), 2);
    game.keydown(32);
    EXPECT_EQ(ballcount(), 4);
}

TEST_F(Moves, PauseKeysPauseUnlessBound) {
    game.keydown(80);
    EXPECT_FALSE(game.clock().running);
    EXPECT_TRUE(game.display().command2);
    game.resume();
    EXPECT_TRUE(game.clock().running);
    EXPECT_FALSE(game.display().command2);
    game.setkeys({80, 39, 38, 40});  // P now moves left; Pause still pauses
    setpair(3, 5, 0);
    game.keydown(80);
    EXPECT_EQ(game.pairx(), 2);
    EXPECT_TRUE(game.clock().running);
    game.keydown(19);
    EXPECT_FALSE(game.clock().running);
    // The game keys still act while paused.
    game.keydown(39);
    EXPECT_EQ(game.pairx(), 3);
}

TEST(MovesIdle, NoGameNoGameKeys) {
    FakeHost host;
    Game game(host);
    game.setsound(true);
    for (std::int64_t code : {37, 38, 39, 40, 80, 19}) {
        game.keydown(code);
    }
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_FALSE(game.clock().running);
    EXPECT_FALSE(game.display().command2);
    EXPECT_TRUE(host.gameovers.empty());
    for (const auto& column : game.board()) {
        for (auto value : column) {
            EXPECT_EQ(value, 0);
        }
    }
}

// Records and the return to idle: a wrong insertion drops the wrong entry or reorders ties.
#include "EngineTest.h"
#include "GameSetup.h"
#include "MemoryStore.h"

class Records : public EngineTest {
protected:
    Records() {
        setrecords({900, 800, 700, 600, 500, 500, 300, 200, 100, 50},
                   {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    }
    void insert(std::int64_t score, const std::string& name) {
        set(game).display.score = score;
        game.insertrecord(name);
    }
};

TEST_F(Records, NewBestGoesFirstAndTheTenthDrops) {
    insert(1000, "best");
    EXPECT_EQ(game.topscore(),
              (std::array<std::int32_t, 10>{1000, 900, 800, 700, 600, 500, 500, 300, 200, 100}));
    EXPECT_EQ(game.topname()[0], "best");
    EXPECT_EQ(game.topname()[1], "a");
    EXPECT_EQ(game.topname()[9], "i");
}

TEST_F(Records, MiddleAndTiesGoAboveEqualScores) {
    insert(650, "mid");
    EXPECT_EQ(game.topscore()[3], 650);
    EXPECT_EQ(game.topname()[3], "mid");
    EXPECT_EQ(game.topname()[4], "d");
    insert(500, "tie");
    EXPECT_EQ(game.topname()[5], "tie");
    EXPECT_EQ(game.topname()[6], "e");
    EXPECT_EQ(game.topname()[7], "f");
}

TEST_F(Records, EqualToTheTenthQualifiesAndReplacesIt) {
    set(game).display.score = 50;
    EXPECT_TRUE(game.qualifies());
    game.insertrecord("");
    EXPECT_EQ(game.topscore()[9], 50);
    EXPECT_EQ(game.topname()[9], "");  // an empty name stays empty
    set(game).display.score = 49;
    EXPECT_FALSE(game.qualifies());
}

TEST_F(Records, AllDefaultListTakesEvenZero) {
    setrecords({}, {"-", "-", "-", "-", "-", "-", "-", "-", "-", "-"});
    set(game).display.score = 0;
    EXPECT_TRUE(game.qualifies());
    game.insertrecord("Anonymous");
    EXPECT_EQ(game.topname()[0], "Anonymous");
}

// A pasted line break would split the table's line and the store's text; Cyrillic stays.
TEST_F(Records, ControlCharactersInANameBecomeBlanks) {
    constexpr char typed[] = "Ва\tня\r\n\x01\x1F\x7F!\0end";
    insert(1000, std::string(typed, sizeof typed - 1));
    EXPECT_EQ(game.topname()[0], "Ва ня     ! end");
}

TEST_F(Records, HugeScoreIsStoredAtTheLargestRecord) {
    insert(std::int64_t{1} << 40, "x");
    EXPECT_EQ(game.topscore()[0], INT32_MAX);
}

TEST_F(Records, GameOverResetReturnsToIdle) {
    game.newgame();
    setboard({"1....."});
    set(game).display.score = 77;
    set(game).display.col = 3;
    game.setstartlevel(4);
    game.pause();
    game.gameover();
    ASSERT_TRUE(game.over());
    game.resetidle();
    const auto& d = game.display();
    EXPECT_TRUE(d.command1);
    EXPECT_FALSE(d.command2);
    EXPECT_FALSE(d.countersvisible);
    EXPECT_EQ(d.score, 0);
    EXPECT_EQ(d.col, 0);
    EXPECT_EQ(d.level, 4);
    EXPECT_EQ(d.next[0], ui::kLightYellow);
    EXPECT_EQ(d.next[1], ui::kLightYellow);
    EXPECT_FALSE(d.curs[0].visible || d.curs[1].visible);
    EXPECT_TRUE(d.infovisible);
    EXPECT_EQ(d.info, ui::mainform["info"].caption);  // the hint again, not the last level
    EXPECT_FALSE(d.pauseenabled);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(ballcount(), 0);
    for (int i = 0; i < 90; ++i) {
        EXPECT_FALSE(d.ball[i].visible);
    }
    EXPECT_EQ(game.board()[0][15], 5);
    game.keydown(40);  // idle: no game keys
    EXPECT_EQ(ballcount(), 0);
}

// Two copies of the game on one store: a wrong merge stores a record twice, loses one, reorders
// ties or lets a worse record take the tenth place from a better one.
class Merge : public EngineTest {
protected:
    MemoryStore store;
    FakeHost otherhost;
    Game other{otherhost};

    Merge() {
        game.loadsettings(store);
        other.loadsettings(store);
    }
    static void enter(Game& copy, MemoryStore& store, std::int64_t score, const char* name) {
        set(copy).display.score = score;
        copy.storerecord(store, name);
    }
    // The stored list as "score name" pairs, down to the first default entry.
    std::vector<std::string> stored() const {
        std::vector<std::string> list;
        for (int n = 1; n <= 10; ++n) {
            const auto name = store.read("TopScores", "Name " + std::to_string(n));
            if (!name || *name == "-") {
                break;
            }
            list.push_back(*store.read("TopScores", "Record " + std::to_string(n)) + " " + *name);
        }
        return list;
    }
};

TEST_F(Merge, RecordRefusedByTheStoreIsKeptAndStoredOnceLater) {
    store.updates = MemoryStore::Update::Refused;
    enter(game, store, 200, "Аня");
    EXPECT_EQ(game.topname()[0], "Аня");  // shown in the table though not on disk
    EXPECT_TRUE(stored().empty());
    store.updates = MemoryStore::Update::Writes;
    enter(other, store, 300, "Борис");
    game.savesettings(store);
    other.savesettings(store);
    game.savesettings(store);
    EXPECT_EQ(stored(), (std::vector<std::string>{"300 Борис", "200 Аня"}));
}

// The change ran (another copy's record merged in) but the write was lost: the merged list must
// not later count the other copy's record as ours.
TEST_F(Merge, WriteLostAfterTheMergeStoresNothingTwice) {
    enter(other, store, 300, "Борис");
    store.updates = MemoryStore::Update::Lost;
    enter(game, store, 200, "Аня");
    EXPECT_TRUE(stored() == std::vector<std::string>{"300 Борис"});
    store.updates = MemoryStore::Update::Writes;
    game.savesettings(store);
    EXPECT_EQ(stored(), (std::vector<std::string>{"300 Борис", "200 Аня"}));
    enter(other, store, 100, "Вера");
    game.savesettings(store);
    EXPECT_EQ(stored(), (std::vector<std::string>{"300 Борис", "200 Аня", "100 Вера"}));
}

TEST_F(Merge, OurTiesKeepTheirOrderAndAReturningNameCountsTwice) {
    enter(game, store, 100, "Аня");
    other.loadsettings(store);
    store.updates = MemoryStore::Update::Refused;
    enter(game, store, 100, "Аня");  // the same name and score again: a second record
    enter(game, store, 100, "Борис");
    store.updates = MemoryStore::Update::Writes;
    enter(other, store, 50, "Вера");
    game.savesettings(store);
    EXPECT_EQ(stored(), (std::vector<std::string>{"100 Борис", "100 Аня", "100 Аня", "50 Вера"}));
}

TEST_F(Merge, ListAnotherCopyFilledKeepsOurWorseRecordOut) {
    store.updates = MemoryStore::Update::Refused;
    enter(game, store, 100, "Аня");
    store.updates = MemoryStore::Update::Writes;
    for (int i = 0; i < 10; ++i) {
        enter(other, store, 1000 + i, "B");
    }
    game.savesettings(store);
    EXPECT_EQ(*store.read("TopScores", "Record 10"), "1000");
    EXPECT_EQ(game.topscore()[9], 1000);
}

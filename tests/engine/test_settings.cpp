// The settings store: a wrong key or text loses the player's options and records between runs.
#include <map>
#include <string>

#include "EngineTest.h"
#include "MemoryStore.h"

constexpr std::array<std::uint32_t, 5> kDefaultPalette{0, 3160271, 65280, 16744448, 7340031};

class Settings : public EngineTest {
protected:
    MemoryStore store;

    // Loads the store over options that differ from every default; all must come out default.
    void expectdefaults() {
        game.setsound(false);
        game.setanim(false);
        game.loadsettings(store);
        EXPECT_TRUE(game.sound());
        EXPECT_TRUE(game.anim());
        EXPECT_EQ(game.palette(), kDefaultPalette);
        EXPECT_EQ(game.startlevel(), 1);
        EXPECT_EQ(game.keys(), (Game::KeyBindings{37, 39, 38, 40}));
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(game.topscore()[i], 0);
            EXPECT_EQ(game.topname()[i], "-");
        }
    }
};

TEST_F(Settings, EmptyStoreGivesTheDefaults) {
    expectdefaults();
}

// Whatever a run changed, the next run starts with it; each value is written once, as text a
// player's existing settings file already holds.
TEST_F(Settings, ASaveIsWhatTheNextRunLoads) {
    game.loadsettings(store);
    game.setsound(false);
    game.setpalette({0, 0x010203, 0x040506, 0x070809, 0x0A0B0C});
    game.setstartlevel(6);
    game.setkeys({65, 68, 87, 32});
    set(game).display.score = 77;
    game.insertrecord("Аня");
    game.savesettings(store);

    std::map<std::string, int> writes;
    for (const std::string& row : store.order) {
        EXPECT_EQ(++writes[row], 1) << row << " written twice";
    }
    EXPECT_EQ(writes.size(), 31u) << "every value of the store, options, colours, keys, records";

    Game next(host);
    next.loadsettings(store);
    EXPECT_EQ(next.sound(), false);
    EXPECT_EQ(next.anim(), game.anim());
    EXPECT_EQ(next.palette(), game.palette());
    EXPECT_EQ(next.startlevel(), 6);
    EXPECT_EQ(next.keys(), game.keys());
    EXPECT_EQ(next.topscore(), game.topscore());
    EXPECT_EQ(next.topname(), game.topname());
    // As earlier releases wrote them: words for the options, decimal numbers for the rest.
    EXPECT_EQ(*store.read("Options", "Sound"), "False");
    EXPECT_EQ(*store.read("Colors", "1"), "66051");
    EXPECT_EQ(*store.read("Keys", "Drop"), "32");
    EXPECT_EQ(*store.read("TopScores", "Record 1"), "77");
    EXPECT_EQ(*store.read("TopScores", "Name 2"), "-");
}

TEST_F(Settings, EverythingRoundTrips) {
    const std::int32_t scores[] = {5000, 400, 400, 30, 0, 0, 0, 0, -7, -8};
    const char* names[] = {"Аня", "", "trailing  ", "a,b", "-", "-", "-", "-", "x", "y"};
    for (int n = 1; n <= 10; ++n) {
        store.write("TopScores", "Record " + std::to_string(n), std::to_string(scores[n - 1]));
        store.write("TopScores", "Name " + std::to_string(n), names[n - 1]);
    }
    game.loadsettings(store);
    game.setsound(false);
    game.setanim(true);
    Game::Palette palette = game.palette();
    palette[2] = 0x123456;
    game.setpalette(palette);
    game.setstartlevel(5);
    game.setkeys({65, 39, 38, 32});
    game.savesettings(store);
    EXPECT_EQ(*store.read("Options", "Sound"), "False");
    EXPECT_EQ(*store.read("TopScores", "Record 9"), "-7");

    FakeHost other;
    Game loaded(other);
    loaded.loadsettings(store);
    EXPECT_FALSE(loaded.sound());
    EXPECT_TRUE(loaded.anim());
    EXPECT_EQ(loaded.palette(), game.palette());
    EXPECT_EQ(loaded.startlevel(), 5);
    EXPECT_EQ(loaded.keys().left, 65);
    EXPECT_EQ(loaded.keys().drop, 32);
    EXPECT_EQ(loaded.topscore(), game.topscore());
    EXPECT_EQ(loaded.topname(), game.topname());
}

TEST_F(Settings, FlagsReadWordsInAnyCaseAndNumbers) {
    const std::pair<const char*, bool> cases[] = {
        {"True", true}, {"FALSE", false}, {"true", true},   {"1", true},    {"0", false},
        {"-1", true},   {"42", true},     {"fAlSe", false}, {"0.0", false}, {"1.5", true},
        {" 0 ", false}, {"-0.00", false}, {"0.001", true},  {".5", true},   {"True ", true},
    };
    for (const auto& [text, expected] : cases) {
        store.set("Options", "Sound", text);
        game.loadsettings(store);
        EXPECT_EQ(game.sound(), expected) << text;
    }
}

// The picker's two ends are colours like any other: black, where it starts, and white.
TEST_F(Settings, BlackAndWhiteBallsStayBlackAndWhite) {
    store.set("Colors", "1", "0");
    store.set("Colors", "2", "16777215");
    game.loadsettings(store);
    EXPECT_EQ(game.palette()[1], 0u);
    EXPECT_EQ(game.palette()[2], 0xFFFFFFu);
}

TEST_F(Settings, UnreadableValuesFallBackToTheirDefaults) {
    store.set("Options", "Sound", "yes");
    store.set("Options", "Animation", "");
    store.set("Colors", "1", "red");
    store.set("Colors", "2", "-5");
    store.set("Colors", "3", "16777216");
    store.set("Colors", "4", "1 2");
    store.set("Options", "Level", "9");
    store.set("Keys", "Left", "4294967296");
    store.set("Keys", "Right", "0x27");
    store.set("Keys", "Rotate", "3.5");
    store.set("Keys", "Drop", "0");  // unbindable: the action would be dead
    store.set("TopScores", "Record 1", "lots");
    store.set("TopScores", "Record 2", "99999999999");
    expectdefaults();
    for (const char* level : {"0", "-1", "abc"}) {
        store.set("Options", "Level", level);
        game.loadsettings(store);
        EXPECT_EQ(game.startlevel(), 1) << level;
    }
    for (const char* key : {"256", "-1", "nan"}) {
        store.set("Keys", "Left", key);
        game.loadsettings(store);
        EXPECT_EQ(game.keys().left, 37) << key;
    }
    for (const char* flag : {"", "-", ".", "1e3", "1.2.3", "inf", "nan"}) {
        store.set("Options", "Sound", flag);
        game.setsound(false);
        game.loadsettings(store);
        EXPECT_TRUE(game.sound()) << flag;
    }
}

TEST_F(Settings, BlanksAroundNumbersAndUnnamedKeysAreKept) {
    store.set("Options", "Level", " 5");
    store.set("Colors", "2", "\t255 ");
    store.set("Keys", "Left", "7");  // no name, but a code a keyboard may send
    store.set("Keys", "Right", "255");
    store.set("Keys", "Rotate", "1");
    store.set("TopScores", "Record 1", " 42 ");
    game.loadsettings(store);
    EXPECT_EQ(game.startlevel(), 5);
    EXPECT_EQ(game.palette()[2], 255u);
    EXPECT_EQ(game.keys().left, 7);
    EXPECT_EQ(game.keys().right, 255);
    EXPECT_EQ(game.keys().rotate, 1);
    EXPECT_EQ(game.topscore()[0], 42);
}

TEST_F(Settings, StoredOrderIsKeptNotSorted) {
    store.set("TopScores", "Record 1", "5");
    store.set("TopScores", "Record 2", "500");
    store.set("TopScores", "Name 2", "second");
    game.loadsettings(store);
    EXPECT_EQ(game.topscore()[0], 5);
    EXPECT_EQ(game.topscore()[1], 500);
    EXPECT_EQ(game.topname()[1], "second");
}

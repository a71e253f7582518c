// Random play against the engine: whatever the order of inputs, no ball is lost or duplicated,
// the pair never overlaps the board and the counters agree with what was removed.
// TARVELO_SEED and TARVELO_STEPS replay one seed or play longer.
#include <cstdlib>
#include <random>

#include "EngineTest.h"

namespace {

class CountingHost : public FakeHost {
public:
    std::int64_t removed = 0;
    std::int64_t squares = 0;
    std::int64_t groups = 0;
    std::int64_t colatgot = 0;  // the group counter as the last removal leaves it
    std::mt19937* rng = nullptr;
    std::string failure;

    int blinksseen = 0;
    int levelups = 0;

    void playsound(std::string_view name) override {
        levelups += name == "level";
        if (name == "got") {
            const auto n = static_cast<std::int64_t>(game->group.size());
            removed += n;
            squares += n * n;
            ++groups;
            colatgot = game->display.col + 1;
        }
    }

    // Input that arrives while a blink waits must change nothing.
    void blinkstep(int) override {
        ++blinksseen;
        Game& g = const_cast<Game&>(*game);
        if (!g.landing()) {
            failure = "blink outside a landing";
        }
        const auto board = g.board;
        const int x = g.pairx, y = g.pairy, dir = g.pairdir;
        const bool running = g.clock.running;
        switch ((*rng)() % 6) {
            case 0: g.keydown(g.keydrop); break;
            case 1: g.keydown(g.keyleft); break;
            case 2: g.restart(); break;
            case 3: g.pause(); break;
            case 4: g.resume(); break;
            default: g.newgame(); break;
        }
        if (g.board != board || g.pairx != x || g.pairy != y || g.pairdir != dir ||
            g.clock.running != running) {
            failure = "input during a blink changed the game";
        }
    }
};

struct Expected {
    std::int64_t landed = 0;
    std::int64_t groupsbefore = 0;  // groups counted by hand-set counters
    int startlevel = 1;
};

std::uint32_t envnumber(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

}  // namespace

class Invariants : public ::testing::Test {
protected:
    CountingHost host;
    Game game{host};
    std::mt19937 rng;
    Expected expect;

    void play(std::uint32_t seed, int steps);
    void check();
    int ballcount() const {
        int n = 0;
        for (int x = 0; x < 6; ++x) {
            for (int y = 0; y < 15; ++y) {
                n += game.board[x][y] != 0;
            }
        }
        return n;
    }
};

void Invariants::check() {
    ASSERT_EQ(host.failure, "");
    ASSERT_FALSE(game.landing());
    const bool started = game.display.pauseenabled || game.over();
    for (int x = 0; x < 6; ++x) {
        if (started || game.board[x][15] != 0) {
            ASSERT_EQ(game.board[x][15], 5) << "floor at column " << x;
        }
        for (int y = 0; y < 15; ++y) {
            ASSERT_GE(game.board[x][y], 0);
            ASSERT_LE(game.board[x][y], 4);
            if (y < 14 && game.board[x][y] != 0) {
                ASSERT_NE(game.board[x][y + 1], 0) << "ball hanging at " << x << "," << y;
            }
        }
    }
    Game::Cell b2{game.pairx, game.pairy};
    b2.x += game.pairdir == 1 ? -1 : game.pairdir == 3 ? 1 : 0;
    b2.y += game.pairdir == 0 ? 1 : game.pairdir == 2 ? -1 : 0;
    if (game.playing()) {
        for (const Game::Cell c : {Game::Cell{game.pairx, game.pairy}, b2}) {
            ASSERT_TRUE(c.x >= 0 && c.x < 6 && c.y >= 0 && c.y < 15) << c.x << "," << c.y;
            ASSERT_EQ(game.board[c.x][c.y], 0) << "pair over a ball at " << c.x << "," << c.y;
        }
        ASSERT_TRUE(game.paircolor1 >= 1 && game.paircolor1 <= 4);
        ASSERT_TRUE(game.paircolor2 >= 1 && game.paircolor2 <= 4);
        for (int x = 0; x < 6; ++x) {
            for (int y = 0; y < 15; ++y) {
                const bool pair = (x == game.pairx && y == game.pairy) || (x == b2.x && y == b2.y);
                ASSERT_EQ(game.display.ball[y * 6 + x].visible, pair || game.board[x][y] != 0)
                    << "picture differs at " << x << "," << y;
            }
        }
    }
    if (started) {
        ASSERT_EQ(ballcount(), expect.landed - host.removed);
        ASSERT_EQ(game.display.score, host.squares);
        const std::int64_t g = expect.groupsbefore + host.groups;
        ASSERT_EQ(game.display.col, g);
        const int level = std::max<int>(expect.startlevel, std::min<std::int64_t>(8, 1 + g / 100));
        ASSERT_EQ(game.display.level, level);
        ASSERT_EQ(game.clock.period, 450 - 50 * level);
        if (host.groups > 0) {
            const std::int64_t last = host.colatgot;
            const std::int64_t k = last / 100;
            const double perc = (level > k + 1 || level == 8) ? 0.0 : (last - 100 * k) * 9.72;
            ASSERT_NEAR(game.display.perc, perc, 1e-9);
        }
    }
}

void Invariants::play(std::uint32_t seed, int steps) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " (rerun with TARVELO_SEED=" +
                 std::to_string(seed) + ")");
    rng.seed(seed);
    host.game = &game;
    host.rng = &rng;
    game.sound = true;
    game.timeofday = [this] { return static_cast<double>(rng() % 86400000) / 1000; };
    auto fresh = [&] {
        expect = {0, 0, game.startlevel};
        host.removed = host.squares = host.groups = 0;
    };
    for (int step = 0; step < steps; ++step) {
        if (game.over()) {
            if (rng() % 2 && game.qualifies()) {
                game.insertrecord("player");
            }
            game.resetidle();
        }
        const bool playing = game.playing();
        switch (rng() % 16) {
            case 0:
                if (game.display.command1) {  // the start button shows only when idle
                    game.start();
                    fresh();
                }
                break;
            case 1:
                if (game.display.pauseenabled && rng() % 32 == 0) {
                    game.restart();
                    fresh();
                }
                break;
            case 2: game.keydown(game.keyleft); break;
            case 3: game.keydown(game.keyright); break;
            case 4: game.keydown(game.keyrotate); break;
            case 5:
                game.keydown(game.keydrop);
                expect.landed += playing ? 2 : 0;
                break;
            case 6: game.keydown(rng() % 2 ? 80 : 19); break;
            case 7: game.resume(); break;
            case 8: game.palette[1 + rng() % 4] = rng() & 0xFFFFFF; break;
            case 9: game.anim = !game.anim; break;
            case 10: game.startlevel = 1 + static_cast<int>(rng() % 8); break;
            case 11:
                if (playing && rng() % 8 == 0) {  // jump ahead to a level-up
                    const std::int64_t jump = 95 + rng() % 5 - game.display.col % 100;
                    game.display.col += jump;
                    expect.groupsbefore += jump;
                }
                break;
            default:
                if (game.clock.running && game.tick() == 0) {
                    expect.landed += 2;
                }
                break;
        }
        check();
        if (HasFatalFailure()) {
            ADD_FAILURE() << "at step " << step;
            return;
        }
    }
}

TEST_F(Invariants, HoldOverThousandsOfRandomInputs) {
    const std::uint32_t steps = envnumber("TARVELO_STEPS", 20000);
    if (std::getenv("TARVELO_SEED") != nullptr) {
        play(envnumber("TARVELO_SEED", 1), static_cast<int>(steps));
        return;
    }
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        play(seed, static_cast<int>(steps));
        if (HasFailure()) {
            return;
        }
    }
    // The play must reach the interesting places, or it proves little.
    EXPECT_GT(host.gameovers.size(), 20u);
    EXPECT_GT(host.blinksseen, 100);
    EXPECT_GT(host.levelups, 5);
}

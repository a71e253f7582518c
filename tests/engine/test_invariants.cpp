// Random play against the engine: whatever the order of inputs, no ball is lost or duplicated,
// the pair never overlaps the board and the counters agree with what was removed.
// TARVELO_SEED replays one seed; TARVELO_STEPS plays longer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "Referee.h"

namespace {

std::uint32_t envnumber(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

struct Totals {
    int gameovers = 0, blinks = 0, levelups = 0;
};

void play(std::uint32_t seed, int steps, Totals& totals) {
    SCOPED_TRACE("seed " + std::to_string(seed) +
                 " (rerun with TARVELO_SEED=" + std::to_string(seed) + ")");
    std::mt19937 rng(seed);
    Referee referee([&rng] { return static_cast<unsigned>(rng()); });
    for (int step = 0; step < steps; ++step) {
        referee.act();
        const std::string broken = referee.check();
        ASSERT_EQ(broken, "") << "at step " << step;
    }
    totals.gameovers += referee.gameovers;
    totals.blinks += referee.blinks;
    totals.levelups += referee.levelups;
}

}  // namespace

TEST(Invariants, HoldOverThousandsOfRandomInputs) {
    const int steps = static_cast<int>(envnumber("TARVELO_STEPS", 20000));
    Totals totals;
    if (std::getenv("TARVELO_SEED") != nullptr) {
        play(envnumber("TARVELO_SEED", 1), steps, totals);
        return;
    }
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        play(seed, steps, totals);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    // The play must reach the interesting places, or it proves little.
    EXPECT_GT(totals.gameovers, 20);
    EXPECT_GT(totals.blinks, 100);
    EXPECT_GT(totals.levelups, 5);
}

// The engine's hot paths: a fall step, a chain landing, the group search, a new game; and the
// icon, drawn in every size the window offers as the program starts.
#include <benchmark/benchmark.h>

#include "Game.h"
#include "GameSetup.h"
#include "Icon.h"
#include "SilentHost.h"

namespace {

void TickOnEmptyWell(benchmark::State& state) {
    SilentHost host;
    Game game(host);
    game.newgame();
    for (auto _ : state) {
        set(game).pairy = 0;
        benchmark::DoNotOptimize(game.tick());
    }
}
BENCHMARK(TickOnEmptyWell);

// A pair dropped beside a column of stacked triples sets off four removals in a row.
void DropWithLongChain(benchmark::State& state) {
    SilentHost host;
    Game game(host);
    game.setanim(false);
    game.setsound(false);
    game.newgame();
    for (auto _ : state) {
        state.PauseTiming();
        setrows(game, {"4.....", "4.....", "4.....", "3.....", "3.....", "3.....", "2.....",
                       "2.....", "2.....", "1.....", "13....", "14...."});
        set(game).pairx = 1;
        set(game).pairy = 0;
        set(game).pairdir = 0;
        set(game).paircolor1 = 2;
        set(game).paircolor2 = 1;
        set(game).display.score = 0;
        set(game).display.col = 0;
        state.ResumeTiming();
        game.droppair();
    }
    state.counters["groups"] = static_cast<double>(game.display().col);
}
BENCHMARK(DropWithLongChain);

// Every cell is flooded, none makes a group: the search's worst case.
void RemovegroupsOnFullBoardWithoutGroup(benchmark::State& state) {
    SilentHost host;
    Game game(host);
    game.newgame();
    setrows(game, {"123412", "341234", "123412", "341234", "123412", "341234", "123412", "341234",
                   "123412", "341234", "123412", "341234", "123412", "341234", "123412"});
    set(game).board[2][0] = set(game).board[2][1] = 0;
    set(game).board[3][0] = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.removegroups());
    }
}
BENCHMARK(RemovegroupsOnFullBoardWithoutGroup);

void Newgame(benchmark::State& state) {
    SilentHost host;
    Game game(host);
    for (auto _ : state) {
        game.newgame();
    }
}
BENCHMARK(Newgame);

void WindowIcon(benchmark::State& state) {
    for (auto _ : state) {
        for (int size : {16, 24, 32, 48, 64}) {
            benchmark::DoNotOptimize(ui::iconpixels(size));
        }
    }
}
BENCHMARK(WindowIcon)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

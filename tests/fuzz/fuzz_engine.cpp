// libFuzzer target: arbitrary text as the settings file, then arbitrary bytes as the player's
// inputs, with the same rules the randomized test checks. See tools/fuzz.sh.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "MemoryStore.h"
#include "Referee.h"

namespace {

// The settings file's INI shape: [Section] lines and key=value lines.
void parseini(const std::string& text, MemoryStore& store) {
    std::istringstream lines(text);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
        } else if (const auto eq = line.find('='); eq != std::string::npos) {
            store.set(section.c_str(), line.substr(0, eq).c_str(), line.substr(eq + 1).c_str());
        }
    }
}

[[noreturn]] void broken(const std::string& what) {
    std::fprintf(stderr, "rule broken: %s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    MemoryStore store;
    parseini(input.ConsumeRandomLengthString(2048), store);
    Referee referee([&input] { return input.ConsumeIntegral<std::uint8_t>(); });
    Game& game = referee.game;
    game.loadsettings(store);
    if (game.startlevel() < 1 || game.startlevel() > 8) {
        broken("starting level " + std::to_string(game.startlevel()));
    }
    for (int n = 1; n <= 4; ++n) {
        if (game.palette()[n] > 0xFFFFFF) {
            broken("colour " + std::to_string(game.palette()[n]));
        }
    }
    game.setsound(true);
    for (int step = 0; step < 4000 && input.remaining_bytes() > 0; ++step) {
        referee.act();
        if (const std::string what = referee.check(); !what.empty()) {
            broken(what + " at step " + std::to_string(step));
        }
    }
    return 0;
}

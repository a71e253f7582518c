#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Game.h"

// Plays the window system for the engine and keeps the books: every ball landed and removed,
// every group scored. Drives a game with arbitrary inputs and says what rule broke, if any.
// Shared by the randomized test and the fuzzer.
class Referee : public GameHost {
public:
    // `next` supplies the choices: which input, and what arrives during a blink.
    explicit Referee(std::function<unsigned()> next);

    Game game{*this, [this] { return static_cast<double>(next_() % 86400000) / 1000; }};
    int gameovers = 0;
    int blinks = 0;
    int levelups = 0;

    // One input, as a player or the clock would give it.
    void act();
    // Empty while every rule holds, else what broke.
    std::string check() const;

    void playsound(ui::Sound sound) override;
    void clockchanged() override {}
    void opengameover(bool record) override;

private:
    void fresh();
    // Runs the blink's clock to the landing's end, with input arriving in every frame.
    void blinkout();
    void actonce();
    void duringblink();

    std::function<unsigned()> next_;
    std::int64_t landed_ = 0;
    std::int64_t removed_ = 0;
    std::int64_t squares_ = 0;
    std::int64_t groups_ = 0;
    std::int64_t skipped_ = 0;   // groups counted by jumping the counter ahead
    std::int64_t colatgot_ = 0;  // the counter as the last removal leaves it
    int startlevel_ = 1;
    std::string failure_;
};

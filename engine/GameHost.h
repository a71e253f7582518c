#pragma once

#include "Sounds.h"

// The engine's only way out to the window system. The main window implements it; tests use a
// fake, which moves the clocks by hand.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Callers check the Sound option.
    virtual void playsound(ui::Sound sound) = 0;

    // Timer1 or the blink's timer was started, stopped or given a new period; the host follows
    // Game::clock and Game::blinkclock.
    virtual void clockchanged() = 0;

    // The game has ended: disable the main window and open the game-over window.
    virtual void opengameover(bool record) = 0;
};

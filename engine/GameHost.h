#pragma once

#include <string_view>

// The engine's only way out to the window system. The main window implements it;
// tests use a fake, so blinks cost no real time.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Plays one of "drop", "rotate", "got", "level", "gameover". Callers check the Sound option.
    virtual void playsound(std::string_view name) = 0;

    // Timer1 was started, stopped or given a new period; the host follows Game::clock.
    virtual void clockchanged() = 0;

    // One frame of a blink: show the display as it stands, let pending events other than
    // user input run, then wait.
    virtual void blinkstep(int milliseconds) = 0;

    // The game has ended: disable the main window and open the game-over window.
    virtual void opengameover(bool record) = 0;
};

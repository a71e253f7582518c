#pragma once

#include "GameHost.h"

// A host that plays nothing and waits for nothing: a game kept for its records alone.
struct SilentHost : GameHost {
    void playsound(std::string_view) override {}
    void clockchanged() override {}
    void blinkstep(int) override {}
    void opengameover(bool) override {}
};

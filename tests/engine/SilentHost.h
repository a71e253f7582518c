#pragma once

#include "GameHost.h"

// A host that plays nothing and runs no clock: a game kept for its records alone.
struct SilentHost : GameHost {
    void playsound(ui::Sound) override {}
    void clockchanged() override {}
    void opengameover(bool) override {}
};

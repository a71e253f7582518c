#pragma once

#include "Game.h"
#include "GameSetup.h"
#include "SilentHost.h"

// Two copies of the game on one store, each through a handle of its own: Борис's 300 entered in
// b, then Аня's 200 in a, and both closed, b before and after a. Each store's tests then check
// that neither record is lost and none is stored twice.
struct TwoCopies {
    SilentHost host;
    Game a{host}, b{host};

    void play(SettingsStore& storea, SettingsStore& storeb) {
        a.loadsettings(storea);
        b.loadsettings(storeb);
        set(b).display.score = 300;
        b.storerecord(storeb, "Борис");
        set(a).display.score = 200;
        a.storerecord(storea, "Аня");
        b.savesettings(storeb);
        a.savesettings(storea);
        b.savesettings(storeb);
    }
};

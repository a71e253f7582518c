#include "MenuMarks.h"

bool checked(const Game& game, const ui::MenuItem& item) {
    switch (item.command) {
        case ui::Command::Sound:
            return game.sound();
        case ui::Command::Animation:
            return game.anim();
        case ui::Command::Level:
            return item.index == game.startlevel();
        default:
            return false;
    }
}

bool enabled(const Game& game, const ui::MenuItem& item) {
    return item.command != ui::Command::Pause || game.display().pauseenabled;
}

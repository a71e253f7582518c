#pragma once

#include <optional>

#include "Forms.h"
#include "Game.h"

// Whether the game's state shows a control, for the controls whose showing it decides; the
// others show as their description says. A control the description hides that is not one of
// these could never be seen.
inline std::optional<bool> stateshown(const Game& game, const ui::Form& form, const ui::Control& c,
                                      int i, bool recordmode) {
    const DisplayState& d = game.display();
    if (&form == &ui::mainform) {
        if (c.name == "Command1") {
            return d.command1;
        }
        if (c.name == "Command2") {
            return d.command2;
        }
        if (c.name == "score" || c.name == "col" || c.name == "level") {
            return d.countersvisible;
        }
        if (c.name == "info") {
            return d.infovisible;
        }
        if (c.name == "ball") {
            return d.ball[i].visible;
        }
        if (c.name == "curs") {
            return d.curs[i].visible;
        }
    }
    if (&form == &ui::overform && (c.name == "yourname" || c.name == "Label4")) {
        return recordmode;
    }
    return std::nullopt;
}

// The controls that take the keyboard, in tab order.
inline bool takesfocus(const ui::Control& c) {
    return (c.kind == ui::Kind::Button || c.kind == ui::Kind::TextBox ||
            c.kind == ui::Kind::KeyField || c.kind == ui::Kind::TextArea) &&
           !c.has(ui::kNoFocus);
}

#include "TopScoresPage.h"

#include "Forms.h"
#include "Game.h"
#include "Page.h"

namespace {
const ui::Form& f = ui::topscores;
}

TopScoresPage::TopScoresPage(const Game& game) : DialogPage(FormId::topscores, f) {
    for (int r = 0; r < 10; ++r) {
        tv_settext(controls_(f["score"], r), std::to_string(game.topscore()[r]).c_str());
        // A name too long for its cell ends in "…"; the whole of it is in the tooltip.
        const int name = controls_(f["names"], r);
        tv_settext(name, game.topname()[r].c_str());
        tv_settip(name, game.topname()[r].c_str());
    }
}

DialogPage::Result TopScoresPage::clicked(int handle) {
    return handle == controls_(f["Command1"]) ? Result::close : Result::stay;
}

#include "InfoDialogs.h"

#include "Forms.h"
#include "Game.h"
#include "Texts.h"
#include "Utf.h"

namespace {
constexpr const ui::Control& kScore = ui::topscores["score"];
constexpr const ui::Control& kNames = ui::topscores["names"];
}  // namespace

TopScoresDialog::TopScoresDialog(const Game& game, HWND owner, std::function<void()> unloaded)
    : Dialog(ui::topscores, owner, std::move(unloaded)), game_(game) {
    open();
}

std::wstring TopScoresDialog::caption(const ui::Control& c, int i) const {
    if (&c == &kScore) {
        return std::to_wstring(game_.topscore()[i]);
    }
    if (&c == &kNames) {
        return widen(game_.topname()[i]);
    }
    return Dialog::caption(c, i);
}

RulesDialog::RulesDialog(HWND owner, std::function<void()> unloaded)
    : Dialog(ui::rules, owner, std::move(unloaded)) {
    open();
}

std::wstring RulesDialog::caption(const ui::Control& c, int i) const {
    return &c == &ui::rules["t"] ? widen(ui::rulestext()) : Dialog::caption(c, i);
}

AboutDialog::AboutDialog(HWND owner, std::function<void()> unloaded)
    : Dialog(ui::about, owner, std::move(unloaded)) {
    open();
}

std::wstring AboutDialog::caption(const ui::Control& c, int i) const {
    return &c == &ui::about["mm"] ? widen(ui::abouttext()) : Dialog::caption(c, i);
}

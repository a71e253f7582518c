#pragma once

#include "Dialog.h"

class Game;

// "Десятка лучших результатов": the ten best scores with their names; a name too long for its
// box ends in "…".
class TopScoresDialog : public Dialog {
public:
    TopScoresDialog(const Game& game, HWND owner, std::function<void()> unloaded);

protected:
    std::wstring caption(const ui::Control& c, int i) const override;
    void pressed(const ui::Control&, int) override { close(); }

private:
    const Game& game_;
};

// "Правила": the rules of the game.
class RulesDialog : public Dialog {
public:
    RulesDialog(HWND owner, std::function<void()> unloaded);

protected:
    std::wstring caption(const ui::Control& c, int i) const override;
    void pressed(const ui::Control&, int) override { close(); }
};

// "О программе": name, icon, version and how to reach us.
class AboutDialog : public Dialog {
public:
    AboutDialog(HWND owner, std::function<void()> unloaded);

protected:
    std::wstring caption(const ui::Control& c, int i) const override;
    void pressed(const ui::Control&, int) override { close(); }
};

#pragma once

#include "ColorChoice.h"
#include "Dialog.h"
#include "Game.h"

// "Цвета": the four ball colours, edited on a copy until "Ok"; each colour is picked in the
// system's colour picker, whose sixteen custom colours start black at every opening.
class ColorDialog : public Dialog {
public:
    ColorDialog(Game& game, HWND owner, std::function<void()> unloaded);

    std::uint32_t swatch(int n) const { return choice_.color(n); }  // n = 1..4
    void pickcolor(int index);

protected:
    COLORREF fill(const ui::Control& c, int i) const override;
    void pressed(const ui::Control& c, int i) override;

private:
    ColorChoice choice_;
    COLORREF customcolors_[16] = {};
};

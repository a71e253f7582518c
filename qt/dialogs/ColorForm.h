#pragma once

#include "ColorChoice.h"
#include "Form.h"
#include "Game.h"

// "Цвета": the four ball colours, edited on a copy until "Ok".
class ColorForm : public Form {
    Q_OBJECT
public:
    ColorForm(Game& game, QWidget* parent);

    std::uint32_t swatch(int n) const { return choice_.color(n); }  // n = 1..4
    void pickcolor(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorChoice choice_;
};

#pragma once

#include <array>
#include <cstdint>

#include "Form.h"

class Game;

// "Цвета": the four ball colours, edited on a copy until "Ok".
class ColorForm : public Form {
    Q_OBJECT
public:
    ColorForm(Game& game, QWidget* parent);

    std::uint32_t swatch(int n) const { return col_[n]; }  // n = 1..4
    void pickcolor(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<std::uint32_t, 5> col_{};
};

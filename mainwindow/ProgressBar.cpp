#include "ProgressBar.h"

#include <QPainter>

#include "Game.h"
#include "Shapes.h"
#include "Twips.h"

ProgressBar::ProgressBar(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setGeometry(twrect(240, 2400, 972, 252));
}

// The width is kept in twips and mapped to pixels once, here.
int ProgressBar::filledwidth() const {
    return tw(game_.display.perc);
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawbox(p, rect(), colorref(DisplayState::kWellColor));
    const int width = std::min(filledwidth(), this->width());
    if (game_.display.countersvisible && width > 0) {
        drawbox(p, QRect(0, 0, width, height()), QBrush(Qt::black, Qt::FDiagPattern));
    }
}

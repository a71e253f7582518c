#include "ProgressBar.h"

#include <QPainter>

#include "Game.h"
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
    const QColor ink = palette().color(QPalette::WindowText);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.setPen(ink);
    p.setBrush(colorref(DisplayState::kWellColor));
    p.drawRect(frame);
    const int width = filledwidth();
    if (game_.display.countersvisible && width > 0) {
        const QRect bar(0, 0, std::min(width, frame.width()), frame.height());
        p.setBrush(QBrush(ink, Qt::FDiagPattern));  // downward diagonal hatching
        p.drawRect(bar);
    }
}

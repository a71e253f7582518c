#include "ProgressBar.h"

#include <QPainter>

#include "Forms.h"
#include "Game.h"
#include "Shapes.h"
#include "Twips.h"

// Over its frame, "percfull", a value box the window builds beneath it.
ProgressBar::ProgressBar(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName("perc");
    setGeometry(twrect(ui::mainform["percfull"].place));
}

// The width is kept in twips and mapped to pixels once, here.
int ProgressBar::filledwidth() const {
    return tw(game_.display().perc);
}

void ProgressBar::paintEvent(QPaintEvent*) {
    const int width = std::min(filledwidth(), this->width());
    if (game_.display().countersvisible && width > 0) {
        QPainter p(this);
        drawbox(p, QRect(0, 0, width, height()), QBrush(Qt::black, Qt::FDiagPattern));
    }
}

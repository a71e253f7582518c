#include "Preview.h"

#include <QPainter>

#include "Game.h"
#include "Shapes.h"
#include "Twips.h"

namespace {
constexpr int kLeft = 3120, kTop = 684, kWidth = 972, kHeight = 408;
}  // namespace

Preview::Preview(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setGeometry(twrect(kLeft, kTop, kWidth, kHeight));
}

void Preview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawbox(p, rect(), colorref(DisplayState::kWellColor));
    for (int i = 0; i < 2; ++i) {
        const QRect circle = twrect(3372 + 240 * i, 768, 240, 240).translated(-pos());
        drawball(p, circle, colorref(game_.display.next[i]));
    }
}

#include "Preview.h"

#include <QPainter>

#include "Game.h"
#include "Twips.h"

namespace {
constexpr int kLeft = 3120, kTop = 684, kWidth = 972, kHeight = 408;
}  // namespace

Preview::Preview(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setGeometry(twrect(kLeft, kTop, kWidth, kHeight));
}

void Preview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / 15, 1.0 / 15);
    p.translate(-kLeft, -kTop);
    p.setPen(QPen(palette().color(QPalette::WindowText), 0));
    p.setBrush(colorref(DisplayState::kWellColor));
    p.drawRect(QRectF(kLeft, kTop, kWidth - 15, kHeight - 15));
    for (int i = 0; i < 2; ++i) {
        p.setBrush(colorref(game_.display.next[i]));
        p.drawEllipse(QRectF(3372 + 240 * i, 768, 240, 240));
    }
}

#include "Well.h"

#include <QPainter>

#include "Game.h"
#include "Twips.h"

namespace {
// The widget spans the well's background and the marker row below it.
constexpr int kLeft = 1440, kTop = 240, kWidth = 1452, kHeight = 3732;
}  // namespace

Well::Well(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName("well");
    setGeometry(twrect(kLeft, kTop, kWidth, kHeight));
}

void Well::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / 15, 1.0 / 15);  // draw in twips
    p.translate(-kLeft, -kTop);
    QPen outline(palette().color(QPalette::WindowText), 0);  // cosmetic: one pixel
    p.setPen(outline);

    p.setBrush(colorref(DisplayState::kWellColor));
    p.drawRect(QRectF(1440, 240, 1452 - 15, 3612));  // keep the right edge inside

    const DisplayState& d = game_.display;
    for (int i = 0; i < 90; ++i) {
        if (d.ball[i].visible) {
            const int x = i % 6;
            const int y = i / 6;
            p.setBrush(colorref(d.ball[i].color));
            p.drawEllipse(QRectF(1440 + 240 * x, 240 + 240 * y, 240, 240));
        }
    }
    p.setBrush(colorref(0x0080FFFF));
    for (const auto& marker : d.curs) {
        if (marker.visible) {
            p.drawRect(QRectF(1440 + 240 * marker.column, 3840, 252, 132));
        }
    }
}

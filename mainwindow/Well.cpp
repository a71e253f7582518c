#include "Well.h"

#include <QPainter>

#include "Game.h"
#include "Shapes.h"
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
    // Shapes are placed in twips from the client area's corner, as the layout gives them.
    const auto place = [this](int left, int top, int width, int height) {
        return twrect(left, top, width, height).translated(-pos());
    };
    drawbox(p, place(1440, 240, 1452, 3612), colorref(DisplayState::kWellColor));
    const DisplayState& d = game_.display;
    for (int i = 0; i < 90; ++i) {
        if (d.ball[i].visible) {
            const int x = i % 6;
            const int y = i / 6;
            drawball(p, place(1440 + 240 * x, 240 + 240 * y, 240, 240), colorref(d.ball[i].color));
        }
    }
    for (const auto& marker : d.curs) {
        if (marker.visible) {
            drawbox(p, place(1440 + 240 * marker.column, 3840, 252, 132), colorref(0x0080FFFF));
        }
    }
}

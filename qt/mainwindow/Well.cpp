#include "Well.h"

#include <QPainter>

#include "Forms.h"
#include "Game.h"
#include "Shapes.h"
#include "Twips.h"

namespace {
const ui::Control& background = ui::mainform["Shape1"];
const ui::Control& ball = ui::mainform["ball"];
const ui::Control& curs = ui::mainform["curs"];
}  // namespace

// The widget spans the well's background and the row of markers below it.
Well::Well(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName("well");
    const ui::Rect& b = background.place;
    setGeometry(twrect({b.left, b.top, b.width, curs.place.top + curs.place.height - b.top}));
}

void Well::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Shapes are placed from the client area's corner, as the layout gives them.
    const auto place = [this](const ui::Rect& r) { return twrect(r).translated(-pos()); };
    drawbox(p, place(background.place), colorref(background.color));
    const DisplayState& d = game_.display();
    for (int i = 0; i < ball.count; ++i) {
        if (d.ball[i].visible) {
            drawball(p, place(ball.at(i)), colorref(d.ball[i].color));
        }
    }
    for (const auto& marker : d.curs) {
        if (marker.visible) {
            // Under the column's cells, at the markers' own height.
            ui::Rect r = curs.place;
            r.left = ball.at(marker.column).left;
            drawbox(p, place(r), colorref(curs.color));
        }
    }
}

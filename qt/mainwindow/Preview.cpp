#include "Preview.h"

#include <QPainter>

#include "Forms.h"
#include "Game.h"
#include "Shapes.h"
#include "Twips.h"

namespace {
const ui::Control& background = ui::mainform["Shape2"];
const ui::Control& next = ui::mainform["next"];
}  // namespace

Preview::Preview(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setGeometry(twrect(background.place));
}

void Preview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawbox(p, rect(), colorref(background.color));
    for (int i = 0; i < next.count; ++i) {
        drawball(p, twrect(next.at(i)).translated(-pos()), colorref(game_.display().next[i]));
    }
}

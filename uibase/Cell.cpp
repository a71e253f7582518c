#include "Cell.h"

#include <QPainter>

#include "DisplayState.h"
#include "Shapes.h"
#include "Twips.h"

Cell::Cell(QWidget* parent, QRect geometry) : QWidget(parent) {
    setGeometry(geometry);
}

void Cell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawbox(p, rect(), colorref(DisplayState::kWellColor));
}

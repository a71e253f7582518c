#include "ValueBox.h"

#include <QPainter>

#include "Layout.h"
#include "Shapes.h"
#include "Twips.h"

ValueBox::ValueBox(QWidget* parent, QRect geometry) : QWidget(parent) {
    setGeometry(geometry);
}

void ValueBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawbox(p, rect(), colorref(ui::kLightYellow));
}

#include "Shapes.h"

#include <qdrawutil.h>
#include <QPainter>

void drawbox(QPainter& p, const QRect& pixels, const QBrush& fill) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    qDrawPlainRect(&p, pixels, Qt::black, 1, &fill);  // what a framed label draws
    p.restore();
}

void drawball(QPainter& p, const QRect& pixels, const QBrush& fill) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    // The pen straddles the path: half a pixel in keeps the outline inside the cell.
    p.drawEllipse(QRectF(pixels).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

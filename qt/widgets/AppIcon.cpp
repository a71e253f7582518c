#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

#include "StoreRows.h"
#include "Twips.h"

QImage appiconimage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // designed on a 64 by 64 grid

    p.setPen(QPen(QColor(90, 80, 40), 2));
    p.setBrush(colorref(ui::kLightYellow));
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 8, 8);

    struct Ball {
        double x, y;
        std::uint32_t color;
    };
    const auto& [red, green, blue, yellow] = ui::kDefaultColors;  // the balls' own colours
    const Ball balls[] = {
        {23, 7, red},   {23, 21, yellow},                  // the falling pair
        {7, 43, green}, {23, 43, green},  {39, 43, blue},  // the settled row
        {39, 29, blue}, {7, 29, green},
    };
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    for (const Ball& b : balls) {
        QRadialGradient shade(b.x + 6, b.y + 6, 10);
        const QColor c = colorref(b.color);
        shade.setColorAt(0, c.lighter(140));
        shade.setColorAt(1, c);
        p.setBrush(shade);
        p.drawEllipse(QRectF(b.x, b.y, 16, 16));
    }
    return image;
}

// The sizes a window manager asks for; the large ones come from the icon theme.
QIcon appicon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(appiconimage(size)));
    }
    return icon;
}

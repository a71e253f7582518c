#include "AppIcon.h"

#include <QPixmap>

#include "Icon.h"

QImage appiconimage(int size) {
    const std::vector<std::uint32_t> pixels = ui::iconpixels(size);
    return QImage(reinterpret_cast<const uchar*>(pixels.data()), size, size,
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}

// The sizes a window manager asks for; the large ones come from the icon theme.
QIcon appicon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(appiconimage(size)));
    }
    return icon;
}

// Writes the program's icon as PNG files for the desktop's icon theme.
// Usage: makeicon <folder>  (writes tarvelo-16.png ... tarvelo-256.png)
#include <QImage>
#include <cstdio>

#include "AppIcon.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicon <folder>\n");
        return 2;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QString("%1/tarvelo-%2.png").arg(argv[1]).arg(size);
        if (!appiconimage(size).save(path)) {
            std::fprintf(stderr, "makeicon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

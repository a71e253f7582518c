#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, as Qt holds pictures.
QImage appiconimage(int size);
QIcon appicon();

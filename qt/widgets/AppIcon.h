#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a falling pair over a settled group, drawn here rather than shipped.
QImage appiconimage(int size);
QIcon appicon();

#pragma once

#include <QBrush>
#include <QRect>

class QPainter;

// The filled shapes of every window, all with the same one-pixel black outline. Rectangles sit
// on whole pixels, unsmoothed, so their edges stay crisp at any scale factor, as a framed
// label's do; circles are smoothed.
void drawbox(QPainter& p, const QRect& pixels, const QBrush& fill);
void drawball(QPainter& p, const QRect& pixels, const QBrush& fill);

#pragma once

#include <QColor>
#include <QRect>
#include <cmath>
#include <cstdint>

#include "Layout.h"

// Layouts are designed in twips; 15 twips are one device-independent pixel.
inline int tw(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect twrect(const ui::Rect& r) {
    return {tw(r.left), tw(r.top), tw(r.width), tw(r.height)};
}

// Colour values are packed 0x00BBGGRR, red in the low byte.
inline QColor colorref(std::uint32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline std::uint32_t colorref(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

#pragma once

#include <QColor>
#include <QRect>
#include <cmath>
#include <cstdint>

// Layouts are designed in twips; 15 twips are one device-independent pixel.
inline int tw(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect twrect(int left, int top, int width, int height) {
    return {tw(left), tw(top), tw(width), tw(height)};
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

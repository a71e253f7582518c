#include "Icon.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Layout.h"
#include "StoreRows.h"

namespace ui {

namespace {

struct Rgb {
    double r, g, b;
};

Rgb rgb(std::uint32_t colorref) {  // 0x00BBGGRR
    return {static_cast<double>(colorref & 0xFF), static_cast<double>((colorref >> 8) & 0xFF),
            static_cast<double>((colorref >> 16) & 0xFF)};
}

// Brighter by the factor in value, losing saturation past white, as painters' "lighter" does.
Rgb lighter(Rgb c, double factor) {
    const double v = std::max({c.r, c.g, c.b});
    const double low = std::min({c.r, c.g, c.b});
    double s = v > 0 ? (v - low) / v * 255 : 0;
    double nv = v * factor;
    if (nv > 255) {
        s = std::max(0.0, s - (nv - 255));
        nv = 255;
    }
    // Back from value and saturation, keeping the hue's proportions.
    const auto channel = [&](double x) {
        const double share = v > low ? (x - low) / (v - low) : 0;
        const double newlow = nv * (1 - s / 255);
        return newlow + share * (nv - newlow);
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

struct Ball {
    double x, y;  // top left, on the 64 by 64 grid the icon is drawn on
    Rgb color;
    Rgb light;  // where the light falls on it
};

// std::hypot guards against overflow, which these small numbers never reach, at many times the
// cost: the icon is drawn as the program starts.
double length(double dx, double dy) {
    return std::sqrt(dx * dx + dy * dy);
}

// The colour the icon has at a point of the grid, and whether anything is there.
bool sample(double px, double py, const std::array<Ball, 7>& balls, Rgb& out) {
    bool covered = false;
    // The tile: a rounded square with a two-unit outline.
    const double qx = std::abs(px - 32) - (29 - 8), qy = std::abs(py - 32) - (29 - 8);
    const double tile =
        length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - 8;
    if (tile < 1) {
        out = std::abs(tile) < 1 ? Rgb{90, 80, 40} : rgb(kLightYellow);
        covered = true;
    }
    for (const Ball& b : balls) {
        const double dx = px - (b.x + 8), dy = py - (b.y + 8);
        if (dx * dx + dy * dy < 8.6 * 8.6) {
            const double d = length(dx, dy);
            if (d > 7.4) {
                out = {40, 40, 40};
            } else {
                // Lit from the upper left.
                const double t = std::min(length(px - (b.x + 6), py - (b.y + 6)) / 10, 1.0);
                const Rgb& light = b.light;
                out = {light.r + (b.color.r - light.r) * t, light.g + (b.color.g - light.g) * t,
                       light.b + (b.color.b - light.b) * t};
            }
            covered = true;
        }
    }
    return covered;
}

}  // namespace

std::vector<std::uint32_t> iconpixels(int size) {
    const auto& [red, green, blue, yellow] = kDefaultColors;  // the balls' own colours
    const auto ball = [](double x, double y, std::uint32_t color) {
        return Ball{x, y, rgb(color), lighter(rgb(color), 1.4)};
    };
    const std::array<Ball, 7> balls = {
        ball(23, 7, red),   ball(23, 21, yellow),                      // the falling pair
        ball(7, 43, green), ball(23, 43, green),  ball(39, 43, blue),  // the settled row
        ball(39, 29, blue), ball(7, 29, green),
    };
    constexpr int kSamples = 4;  // a side: sixteen samples a pixel smooth the edges
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    const double unit = 64.0 / size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    Rgb c{};
                    if (sample((x + (sx + 0.5) / kSamples) * unit,
                               (y + (sy + 0.5) / kSamples) * unit, balls, c)) {
                        r += c.r;
                        g += c.g;
                        b += c.b;
                        a += 255;
                    }
                }
            }
            const double n = kSamples * kSamples;
            const auto byte = [n](double v) {
                return static_cast<std::uint32_t>(std::lround(std::clamp(v / n, 0.0, 255.0)));
            };
            pixels[static_cast<std::size_t>(y) * size + x] =
                byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
        }
    }
    return pixels;
}

}  // namespace ui

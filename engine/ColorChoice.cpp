#include "ColorChoice.h"

void ColorChoice::pick(int n, std::uint32_t color) {
    if (n >= 1 && n <= 4) {
        col_[n] = color & 0xFFFFFF;
    }
}

void ColorChoice::ok() {
    game_.setpalette(col_);  // no redraw: the engine uses them as it next draws
}

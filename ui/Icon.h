#pragma once

#include <cstdint>
#include <vector>

namespace ui {

// The program's icon: a falling pair over a settled group on a light yellow tile. size by size
// pixels, row by row from the top, each 0xAARRGGBB with the colour premultiplied by alpha.
std::vector<std::uint32_t> iconpixels(int size);

}  // namespace ui

#pragma once

#include <cstdint>
#include <string>

namespace ui {

// The name the key bindings dialog shows for a virtual-key code, in UTF-8; empty for a key that
// cannot be bound.
std::string keyname(std::int64_t code);

}  // namespace ui

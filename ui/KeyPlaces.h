#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

// The main block's character keys by their place on the keyboard, to the virtual-key code the
// settings store for them (the one a US layout gives there), so that a Russian layout plays
// like a Latin one. Places as Linux numbers them (evdev; X11 and Wayland add 8) and as browsers
// name them (KeyboardEvent.code).
struct KeyPlace {
    int evdev;
    std::string_view code;
    std::int32_t key;
};

extern const std::span<const KeyPlace> keyplaces;

std::optional<std::int32_t> keyatplace(int evdev);
std::optional<std::int32_t> keyatplace(std::string_view code);

}  // namespace ui

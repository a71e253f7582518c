#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The virtual-key code the settings store for a key the browser reports, from its
// KeyboardEvent.key and .code; nothing for a key the game cannot take.
std::optional<std::int32_t> keycode(std::string_view key, std::string_view code);

#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

// The virtual-key code of a key event: by the key itself, except that a character other than
// a Latin letter or digit is read by the key's place where the platform tells it, so that a
// Russian layout plays like a Latin one. Nothing for a key without a code.
std::optional<std::int64_t> keycode(const QKeyEvent& event);

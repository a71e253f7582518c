#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class QKeyEvent;

// The name the key bindings dialog shows for a virtual-key code; empty when the key
// cannot be bound.
QString keyname(std::int64_t code);

// The virtual-key code of a key event: by the key itself, except that a character other than
// a Latin letter or digit is read by the key's place where the platform tells it, so that a
// Russian layout plays like a Latin one. Nothing for a key without a code.
std::optional<std::int64_t> keycode(const QKeyEvent& event);

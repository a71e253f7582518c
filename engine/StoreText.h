#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Reading the settings store's text values. A value that does not read is missing, so that its
// row's default applies.

// A decimal number from min to max; blanks around it are a hand edit, anything else is not.
std::optional<std::int64_t> parseint(const std::optional<std::string>& text, std::int64_t min,
                                     std::int64_t max);

// A flag: True or False in any case, or any decimal number, fraction included, non-zero on.
std::optional<bool> parsebool(const std::optional<std::string>& text);

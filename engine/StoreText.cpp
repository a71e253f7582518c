#include "StoreText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<std::int64_t> parseint(const std::optional<std::string>& text, std::int64_t min,
                                     std::int64_t max) {
    if (!text) {
        return std::nullopt;
    }
    const std::string_view digits = trimmed(*text);
    std::int64_t value = 0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (digits.empty() || error != std::errc() || end != last || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

// Read digit by digit, so that no number is too long.
std::optional<bool> parsebool(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    std::string word(trimmed(*text));
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word == "true" || word == "false") {
        return word == "true";
    }
    std::string_view number = word;
    if (number.starts_with('-')) {
        number.remove_prefix(1);
    }
    const auto point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    const auto alldigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(),
                           [](unsigned char c) { return std::isdigit(c) != 0; });
    };
    if (whole.size() + fraction.size() == 0 || !alldigits(whole) || !alldigits(fraction)) {
        return std::nullopt;
    }
    const auto nonzero = [](std::string_view part) {
        return part.find_first_not_of('0') != std::string_view::npos;
    };
    return nonzero(whole) || nonzero(fraction);
}

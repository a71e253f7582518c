#include "KeyNames.h"

#include <string_view>
#include <utility>

namespace ui {

namespace {

// The keys with names of their own; the keypad's operators and the punctuation keys are named by
// the Windows-1251 character whose code is the key's, as the game always named them ("ј" is a
// Cyrillic letter, not j).
constexpr std::pair<int, std::string_view> kNames[] = {
    {8, "BackSpace"}, {9, "Tab"},     {13, "Enter"},  {16, "Shift"},    {17, "CTRL"},
    {20, "CapsLock"}, {27, "Escape"}, {32, "Пробел"}, {33, "PageUp"},   {34, "PageDown"},
    {35, "End"},      {36, "Home"},   {37, "Влево"},  {38, "Вверх"},    {39, "Вправо"},
    {40, "Вниз"},     {45, "Insert"}, {46, "Delete"}, {93, "MenuKey"},  {106, "j"},
    {107, "k"},       {109, "m"},     {111, "o"},     {144, "NumLock"}, {145, "ScrollLock"},
    {187, "»"},       {188, "ј"},     {189, "Ѕ"},     {190, "ѕ"},       {191, "ї"},
    {192, "~"},       {219, "Ы"},     {221, "Э"},     {226, "в"},
};

}  // namespace

std::string keyname(std::int64_t code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 112 && code <= 123) {
        std::string name = "F";  // appended, not added: GCC 12 warns wrongly of "F" + ...
        name += std::to_string(code - 111);
        return name;
    }
    for (const auto& [key, name] : kNames) {
        if (key == code) {
            return std::string(name);
        }
    }
    return {};
}

}  // namespace ui

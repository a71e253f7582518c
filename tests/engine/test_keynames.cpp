// Key names: a wrong name lets a key be bound that cannot be, or shows a binding wrongly.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>

#include "KeyNames.h"
#include "KeyPlaces.h"

namespace {

// A code point in UTF-8, for the names that are one character.
std::string utf8(char32_t c) {
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

// The name table, written out independently of the code under test.
std::string expectedname(int code) {
    static const std::map<int, std::string> names = {
        {8, "BackSpace"},    {9, "Tab"},     {13, "Enter"},  {16, "Shift"},   {17, "CTRL"},
        {20, "CapsLock"},    {27, "Escape"}, {32, "Пробел"}, {33, "PageUp"},  {34, "PageDown"},
        {35, "End"},         {36, "Home"},   {37, "Влево"},  {38, "Вверх"},   {39, "Вправо"},
        {40, "Вниз"},        {45, "Insert"}, {46, "Delete"}, {93, "MenuKey"}, {144, "NumLock"},
        {145, "ScrollLock"}, {192, "~"},
    };
    // The Windows-1251 character of the code, as a code point.
    static const std::map<int, char32_t> characters = {
        {106, 0x6A},  {107, 0x6B},  {109, 0x6D},  {111, 0x6F},  {187, 0xBB},  {188, 0x458},
        {189, 0x405}, {190, 0x455}, {191, 0x457}, {219, 0x42B}, {221, 0x42D}, {226, 0x432},
    };
    if (names.contains(code)) {
        return names.at(code);
    }
    if (characters.contains(code)) {
        return utf8(characters.at(code));
    }
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90)) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 112 && code <= 123) {
        return std::string("F").append(std::to_string(code - 111));
    }
    return {};
}

}  // namespace

TEST(KeyName, EveryCodeFromZeroTo255) {
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(ui::keyname(code), expectedname(code)) << code;
        named += !ui::keyname(code).empty();
    }
    EXPECT_EQ(named, 22 + 12 + 10 + 26 + 12);
    EXPECT_EQ(ui::keyname(188), "\u0458");  // looks like j, is Cyrillic
    EXPECT_EQ(ui::keyname(191), "ї");
}

TEST(KeyName, CodesFarOutsideHaveNoName) {
    for (std::int64_t code : std::initializer_list<std::int64_t>{
             -1, -65, 256, 1000, 65536 + 65, 4294967296LL + 37, INT64_MIN, INT64_MAX}) {
        EXPECT_EQ(ui::keyname(code), "") << code;
    }
}

// A place named twice would send two keys of a Russian layout to one binding.
TEST(KeyPlaces, EachPlaceOnceAndTheSameKeyByEitherName) {
    std::map<int, int> evdevs;
    std::map<std::string_view, int> codes;
    std::map<int, int> keys;
    for (const ui::KeyPlace& place : ui::keyplaces) {
        ++evdevs[place.evdev];
        ++codes[place.code];
        ++keys[place.key];
        EXPECT_EQ(ui::keyatplace(place.evdev), place.key) << place.code;
        EXPECT_EQ(ui::keyatplace(place.code), place.key) << place.code;
    }
    for (const auto& counts : {evdevs, keys}) {
        for (const auto& [what, count] : counts) {
            EXPECT_EQ(count, 1) << what;
        }
    }
    EXPECT_EQ(codes.size(), ui::keyplaces.size());
    EXPECT_EQ(ui::keyatplace("KeyQ"), 'Q');
    EXPECT_EQ(ui::keyatplace(16), 'Q');  // evdev's KEY_Q
    EXPECT_EQ(ui::keyatplace("ArrowLeft"), std::nullopt) << "named by what it is, not where";
}

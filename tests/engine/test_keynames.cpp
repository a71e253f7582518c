// Key names: a wrong name lets a key be bound that cannot be, or shows a binding wrongly.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>

#include "KeyNames.h"
#include "KeyPlaces.h"

// What the Keys window shows and refuses, by the keys a player presses.
TEST(KeyName, TheKeysAPlayerBindsShowAsTheWindowNamesThem) {
    // The default bindings, as the Keys window shows them.
    EXPECT_EQ(ui::keyname(37), "Влево");
    EXPECT_EQ(ui::keyname(39), "Вправо");
    EXPECT_EQ(ui::keyname(38), "Вверх");
    EXPECT_EQ(ui::keyname(40), "Вниз");
    EXPECT_EQ(ui::keyname(32), "Пробел");
    // Letters, digits and F1 to F12 name themselves.
    for (char c = 'A'; c <= 'Z'; ++c) {
        EXPECT_EQ(ui::keyname(c), std::string(1, c));
    }
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_EQ(ui::keyname(c), std::string(1, c));
    }
    for (int f = 1; f <= 12; ++f) {
        EXPECT_EQ(ui::keyname(111 + f), std::string("F").append(std::to_string(f)));
    }
    // The punctuation keys show the character their code stands for in the Cyrillic code page,
    // whatever the key prints: a Ј, not a comma.
    EXPECT_EQ(ui::keyname(188), "\u0458");
    EXPECT_EQ(ui::keyname(191), "ї");
    EXPECT_EQ(ui::keyname(106), "j");  // keypad *
}

// A key without a name cannot be bound: the window beeps. These are keys a player has.
TEST(KeyName, KeysTheWindowRefuses) {
    for (int code : {0, 18, 19, 91, 92, 96, 101, 105, 110, 124, 135, 186, 220, 222, 255}) {
        EXPECT_EQ(ui::keyname(code), "") << code;
    }
    int named = 0;
    std::map<std::string, int> names;
    for (int code = 0; code < 256; ++code) {
        const std::string name = ui::keyname(code);
        named += !name.empty();
        if (!name.empty()) {
            EXPECT_EQ(names.count(name), 0u) << name << " names two keys";
            names[name] = code;
        }
    }
    EXPECT_EQ(named, 82);
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

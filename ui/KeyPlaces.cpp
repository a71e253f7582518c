#include "KeyPlaces.h"

namespace ui {

namespace {

constexpr KeyPlace kPlaces[] = {
    {2, "Digit1", '1'},     {3, "Digit2", '2'},       {4, "Digit3", '3'},
    {5, "Digit4", '4'},     {6, "Digit5", '5'},       {7, "Digit6", '6'},
    {8, "Digit7", '7'},     {9, "Digit8", '8'},       {10, "Digit9", '9'},
    {11, "Digit0", '0'},    {12, "Minus", 189},       {13, "Equal", 187},
    {16, "KeyQ", 'Q'},      {17, "KeyW", 'W'},        {18, "KeyE", 'E'},
    {19, "KeyR", 'R'},      {20, "KeyT", 'T'},        {21, "KeyY", 'Y'},
    {22, "KeyU", 'U'},      {23, "KeyI", 'I'},        {24, "KeyO", 'O'},
    {25, "KeyP", 'P'},      {26, "BracketLeft", 219}, {27, "BracketRight", 221},
    {30, "KeyA", 'A'},      {31, "KeyS", 'S'},        {32, "KeyD", 'D'},
    {33, "KeyF", 'F'},      {34, "KeyG", 'G'},        {35, "KeyH", 'H'},
    {36, "KeyJ", 'J'},      {37, "KeyK", 'K'},        {38, "KeyL", 'L'},
    {39, "Semicolon", 186}, {40, "Quote", 222},       {41, "Backquote", 192},
    {43, "Backslash", 220}, {44, "KeyZ", 'Z'},        {45, "KeyX", 'X'},
    {46, "KeyC", 'C'},      {47, "KeyV", 'V'},        {48, "KeyB", 'B'},
    {49, "KeyN", 'N'},      {50, "KeyM", 'M'},        {51, "Comma", 188},
    {52, "Period", 190},    {53, "Slash", 191},       {86, "IntlBackslash", 226},
};

}  // namespace

const std::span<const KeyPlace> keyplaces = kPlaces;

std::optional<std::int32_t> keyatplace(int evdev) {
    for (const KeyPlace& place : kPlaces) {
        if (place.evdev == evdev) {
            return place.key;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> keyatplace(std::string_view code) {
    for (const KeyPlace& place : kPlaces) {
        if (place.code == code) {
            return place.key;
        }
    }
    return std::nullopt;
}

}  // namespace ui

#include "KeyCode.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <iterator>
#include <type_traits>
#include <utility>

#include "KeyPlaces.h"

namespace {

// Keys that type no character: read by what they are, never by where they sit, since a
// virtual keyboard or a non-evdev X server numbers its keys its own way.
constexpr std::pair<int, int> kKeys[] = {
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},      {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},  {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},       {Qt::Key_Pause, 19},   {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},     {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},        {Qt::Key_Up, 38},      {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_Print, 44},   {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Meta, 91},    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},     {Qt::Key_Menu, 93},    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
};

// Punctuation, for when the key's place is unknown.
constexpr std::pair<int, int> kPunctuation[] = {
    {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},        {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},     {Qt::Key_Minus, 189},        {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},     {Qt::Key_QuoteLeft, 192},    {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
};

// Keypad keys with NumLock on; with it off they arrive as the navigation keys above.
constexpr std::pair<int, int> kKeypad[] = {
    {Qt::Key_0, 96},      {Qt::Key_1, 97},       {Qt::Key_2, 98},         {Qt::Key_3, 99},
    {Qt::Key_4, 100},     {Qt::Key_5, 101},      {Qt::Key_6, 102},        {Qt::Key_7, 103},
    {Qt::Key_8, 104},     {Qt::Key_9, 105},      {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111},
};

template <typename Table, typename Key>
auto lookup(const Table& table, Key key)
    -> std::optional<std::decay_t<decltype(std::begin(table)->second)>> {
    for (const auto& [from, to] : table) {
        if (from == key) {
            return to;
        }
    }
    return std::nullopt;
}

// X11 and Wayland report evdev + 8; offscreen carries only synthesised events, which we
// give the same codes.
bool scancodesarephysical() {
    const QString platform = QGuiApplication::platformName();
    return platform == "xcb" || platform.startsWith("wayland") || platform == "offscreen";
}

}  // namespace

// As Windows hands out virtual keys: special keys and Latin letters and digits by what they
// are, so a French layout's A is A; any other character by its place, so that a Russian layout
// plays like a Latin one.
std::optional<std::int64_t> keycode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const auto code = lookup(kKeypad, key)) {
            return *code;
        }
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 112 + (key - Qt::Key_F1);
    }
    if (const auto code = lookup(kKeys, key)) {
        return *code;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return key;  // Qt's codes for these are the ASCII ones, as are the virtual keys
    }
    if (event.nativeScanCode() != 0 && scancodesarephysical()) {
        if (const auto code = ui::keyatplace(static_cast<int>(event.nativeScanCode()) - 8)) {
            return *code;
        }
    }
    if (const auto code = lookup(kPunctuation, key)) {
        return *code;
    }
    return std::nullopt;
}

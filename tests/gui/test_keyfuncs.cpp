// Key names and key codes: a wrong name binds an unnamed key; a wrong code breaks stored bindings.
#include <QKeyEvent>

#include "GuiTest.h"
#include "keyfuncs.h"

namespace {

// The name table, written out independently of the code under test.
QString expectedname(int code) {
    static const std::map<int, QString> names = {
        {8, "BackSpace"},    {9, "Tab"},     {13, "Enter"},  {16, "Shift"},   {17, "CTRL"},
        {20, "CapsLock"},    {27, "Escape"}, {32, "Пробел"}, {33, "PageUp"},  {34, "PageDown"},
        {35, "End"},         {36, "Home"},   {37, "Влево"},  {38, "Вверх"},   {39, "Вправо"},
        {40, "Вниз"},        {45, "Insert"}, {46, "Delete"}, {93, "MenuKey"}, {144, "NumLock"},
        {145, "ScrollLock"}, {192, "~"},
    };
    static const std::map<int, char16_t> characters = {
        {106, 0x6A},  {107, 0x6B},  {109, 0x6D},  {111, 0x6F},  {187, 0xBB},  {188, 0x458},
        {189, 0x405}, {190, 0x455}, {191, 0x457}, {219, 0x42B}, {221, 0x42D}, {226, 0x432},
    };
    if (names.contains(code)) {
        return names.at(code);
    }
    if (characters.contains(code)) {
        return QString(QChar(characters.at(code)));
    }
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90)) {
        return QString(QChar(code));
    }
    if (code >= 112 && code <= 123) {
        return QString("F%1").arg(code - 111);
    }
    return {};
}

std::optional<std::int64_t> codeof(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                                   quint32 scancode = 0) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, scancode, 0, 0);
    return keycode(event);
}

}  // namespace

TEST(KeyName, EveryCodeFromZeroTo255) {
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(keyname(code), expectedname(code)) << code;
        named += !keyname(code).isEmpty();
    }
    EXPECT_EQ(named, 22 + 12 + 10 + 26 + 12);
}

TEST(KeyName, LookAlikesAreCyrillicCodePoints) {
    EXPECT_EQ(keyname(188).at(0).unicode(), 0x0458);  // looks like j
    EXPECT_EQ(keyname(189).at(0).unicode(), 0x0405);  // looks like S
    EXPECT_EQ(keyname(190).at(0).unicode(), 0x0455);  // looks like s
    EXPECT_EQ(keyname(191), QString::fromUtf8("ї"));
    EXPECT_EQ(keyname(107), "k");
}

TEST(KeyName, CodesFarOutsideHaveNoName) {
    for (std::int64_t code : std::initializer_list<std::int64_t>{
             -1, -65, 256, 1000, 65536 + 65, 4294967296LL + 37, INT64_MIN, INT64_MAX}) {
        EXPECT_EQ(keyname(code), "") << code;
    }
}

TEST(KeyCode, TranslatesKeysToVirtualKeyCodes) {
    EXPECT_EQ(codeof(Qt::Key_Left), 37);
    EXPECT_EQ(codeof(Qt::Key_Down), 40);
    EXPECT_EQ(codeof(Qt::Key_P), 80);
    EXPECT_EQ(codeof(Qt::Key_Pause), 19);
    EXPECT_EQ(codeof(Qt::Key_F1), 112);
    EXPECT_EQ(codeof(Qt::Key_F12), 123);
    EXPECT_EQ(codeof(Qt::Key_Space), 32);
    EXPECT_EQ(codeof(Qt::Key_Return), 13);
    EXPECT_EQ(codeof(Qt::Key_Control), 17);
    EXPECT_EQ(codeof(Qt::Key_7), 55);
    EXPECT_EQ(codeof(Qt::Key_Minus), 189);
    EXPECT_EQ(codeof(Qt::Key_QuoteLeft), 192);
}

TEST(KeyCode, KeypadKeysHaveTheirOwnCodes) {
    EXPECT_EQ(codeof(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(codeof(Qt::Key_Minus, Qt::KeypadModifier), 109);
    EXPECT_EQ(codeof(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(codeof(Qt::Key_Slash, Qt::KeypadModifier), 111);
    EXPECT_EQ(codeof(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(codeof(Qt::Key_9, Qt::KeypadModifier), 105);
    // Shift or Ctrl held with a keypad key leaves it the keypad key.
    EXPECT_EQ(codeof(Qt::Key_Plus, Qt::KeypadModifier | Qt::ShiftModifier), 107);
    EXPECT_EQ(codeof(Qt::Key_Slash, Qt::KeypadModifier | Qt::ControlModifier), 111);
    EXPECT_EQ(keyname(*codeof(Qt::Key_4, Qt::KeypadModifier)), "");
    // NumLock off: the keypad sends the navigation keys.
    EXPECT_EQ(codeof(Qt::Key_Left, Qt::KeypadModifier), 37);
    EXPECT_EQ(codeof(Qt::Key_Home, Qt::KeypadModifier), 36);
}

// Only a non-Latin character goes by the key's place: a virtual keyboard's own key codes (Left
// arriving as the code of the 1 key) must not turn arrows, F-keys or letters into other keys.
TEST(KeyCode, PlaceCountsOnlyForNonLatinCharacters) {
    EXPECT_EQ(codeof(0x0417, Qt::NoModifier, 33), 80);   // Russian Ze on the P key
    EXPECT_EQ(codeof(0x0424, Qt::NoModifier, 38), 65);   // Ef on the A key
    EXPECT_EQ(codeof(0x0425, Qt::NoModifier, 34), 219);  // Kha on the [ key
    EXPECT_EQ(codeof(Qt::Key_Z, Qt::ShiftModifier, 52), 90);
    EXPECT_EQ(codeof(Qt::Key_Left, Qt::NoModifier, 10), 37);  // 10 is where 1 sits
    EXPECT_EQ(codeof(Qt::Key_Down, Qt::NoModifier, 38), 40);
    EXPECT_EQ(codeof(Qt::Key_F2, Qt::NoModifier, 33), 113);
    EXPECT_EQ(codeof(Qt::Key_Space, Qt::NoModifier, 24), 32);
    EXPECT_EQ(codeof(Qt::Key_A, Qt::NoModifier, 24), 65);  // French A on the Q key
    EXPECT_EQ(codeof(Qt::Key_P, Qt::NoModifier, 11), 80);
    EXPECT_EQ(codeof(Qt::Key_Eacute, Qt::NoModifier, 11), '2');  // French digit row
    EXPECT_EQ(codeof(Qt::Key_Period, Qt::NoModifier, 61), 191);  // Russian . on the / key
}

TEST(KeyCode, KeysWithoutACodeMatchNothing) {
    EXPECT_FALSE(codeof(Qt::Key_VolumeUp).has_value());
    EXPECT_FALSE(codeof(0x0417).has_value());  // a Cyrillic letter with no scan code
    EXPECT_FALSE(codeof(Qt::Key_unknown).has_value());
    EXPECT_EQ(keyname(*codeof(Qt::Key_Alt)), "");
    EXPECT_EQ(keyname(*codeof(Qt::Key_Meta)), "");
}

// Key codes: a wrong code breaks stored bindings, or takes one key for another.
#include <QKeyEvent>

#include "GuiTest.h"
#include "KeyCode.h"
#include "KeyNames.h"

namespace {

std::optional<std::int64_t> codeof(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                                   quint32 scancode = 0) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, scancode, 0, 0);
    return keycode(event);
}

}  // namespace

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
    EXPECT_EQ(ui::keyname(*codeof(Qt::Key_4, Qt::KeypadModifier)), "");
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
    EXPECT_EQ(ui::keyname(*codeof(Qt::Key_Alt)), "");
    EXPECT_EQ(ui::keyname(*codeof(Qt::Key_Meta)), "");
}

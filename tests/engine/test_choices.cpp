// What "Ok" and "Отмена" do in the colours and keys windows, for every front end.
#include "ColorChoice.h"
#include "EngineTest.h"
#include "KeyChoice.h"

using Choices = EngineTest;

TEST_F(Choices, ColoursReachTheGameOnlyOnOkAndAsTwentyFourBits) {
    const Game::Palette before = game.palette();
    {
        ColorChoice closed(game);
        closed.pick(2, 0x123456);
        EXPECT_EQ(closed.color(2), 0x123456u);
        EXPECT_EQ(closed.color(1), before[1]);
    }  // "Отмена", Esc or the close box
    EXPECT_EQ(game.palette(), before);

    ColorChoice choice(game);
    choice.pick(1, 0xFF0000FF);  // whatever the picker leaves in the top byte
    choice.pick(4, 0x00FF00);
    choice.pick(5, 0x0000FF);  // no fifth colour
    choice.ok();
    EXPECT_EQ(game.palette()[1], 0x0000FFu);
    EXPECT_EQ(game.palette()[4], 0x00FF00u);
    EXPECT_EQ(game.palette()[2], before[2]);
}

TEST_F(Choices, KeysTakeOnlyNamedKeysAndReachTheGameOnlyOnOk) {
    const Game::KeyBindings before = game.keys();
    KeyChoice choice(game);
    EXPECT_EQ(choice.name(0), "Влево");
    EXPECT_TRUE(choice.press(0, 116));  // F5
    EXPECT_EQ(choice.name(0), "F5");
    EXPECT_FALSE(choice.press(0, 101)) << "keypad 5 has no name";
    EXPECT_FALSE(choice.press(3, 19)) << "Pause pauses, and has no name";
    EXPECT_EQ(choice.code(0), 116);
    EXPECT_EQ(choice.code(3), before.drop);
    EXPECT_EQ(game.keys(), before);

    EXPECT_TRUE(choice.press(3, 13));  // Enter is a key like any other here
    choice.ok();
    EXPECT_EQ(game.keys(), (Game::KeyBindings{116, before.right, before.rotate, 13}));
}

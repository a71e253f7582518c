// The Windows program's windows, driven by messages: a wrong order here plays keys into a
// dialog, leaves the main window disabled, or loses a record.
#include "ColorDialog.h"
#include "GameSetup.h"
#include "WindowsTest.h"

namespace {
int balls(const Game& game) {
    int n = 0;
    for (const auto& column : game.board()) {
        for (int y = 0; y < Game::kRows; ++y) {
            n += column[y] != 0;
        }
    }
    return n;
}
}  // namespace

class Keys : public WindowsTest {};

// The bindings by virtual-key code, as stored; the system's repeat slides, but drops one pair.
TEST_F(Keys, ArrowsMoveTurnAndDropAndAHeldDropDropsOnce) {
    menu("m_newgame");
    ASSERT_TRUE(game().clock().running);
    key(VK_LEFT);
    EXPECT_EQ(game().pairx(), 1);
    key(VK_RIGHT, true);
    key(VK_RIGHT, true);
    EXPECT_EQ(game().pairx(), 3);
    key(VK_UP);
    EXPECT_EQ(game().pairdir(), 1);
    key(VK_DOWN);
    EXPECT_EQ(balls(game()), 2);
    key(VK_DOWN, true);
    key(VK_DOWN, true);
    EXPECT_EQ(balls(game()), 2);
    key('P');
    EXPECT_FALSE(game().clock().running);
    EXPECT_TRUE(IsWindowVisible(window->control("Command2")));
    click(window->control("Command2"));
    EXPECT_TRUE(game().clock().running);
    EXPECT_FALSE(IsWindowVisible(window->control("Command2")));
}

struct Closing {
    const char* item;
    const wchar_t* title;
    const char* how;  // "button", "enter", "escape", "altf4" or "closebox"
};

// The close box of a window, found as the system finds it under the mouse.
POINT closebox(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = frame.right - 1; x > frame.left; --x) {
        if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
            return {x, y};
        }
    }
    return {-1, -1};
}

class EveryWindow : public WindowsTest, public ::testing::WithParamInterface<Closing> {};

// Every window from the menu pauses the game, disables the main window and opens with the
// keyboard on one of its controls; a click on the main window brings it forward; and however
// it is closed, the main window is enabled before it goes, so the system hands the keyboard
// back and the next real key moves the pair.
TEST_P(EveryWindow, PausesDisablesAndEveryWayOfClosingGivesTheKeyboardBack) {
    const Closing& c = GetParam();
    menu("m_newgame");
    menu(c.item);
    const HWND open = window->openwindow();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(title(open), c.title);
    EXPECT_FALSE(IsWindowEnabled(main()));
    EXPECT_TRUE(IsWindowEnabled(open));
    EXPECT_FALSE(game().clock().running);
    EXPECT_TRUE(IsWindowVisible(window->control("Command2")));
    EXPECT_EQ(GetParent(GetFocus()), open);
    SendMessageW(main(), WM_SETCURSOR, reinterpret_cast<WPARAM>(main()),
                 MAKELPARAM(static_cast<WORD>(HTERROR), WM_LBUTTONDOWN));  // a click on it
    pump();
    EXPECT_EQ(GetForegroundWindow(), open);
    SetForegroundWindow(main());  // as the task bar or Alt+Tab would
    pump();
    EXPECT_EQ(GetForegroundWindow(), open) << "the main window activated by the system";
    const std::string how = c.how;
    if (how == "button") {
        // "Отмена" where there is one, else the only button.
        HWND button = FindWindowExW(open, nullptr, L"BUTTON", L"Отмена");
        click(button != nullptr ? button : FindWindowExW(open, nullptr, L"BUTTON", nullptr));
    } else if (how == "enter" || how == "escape") {
        give({{{static_cast<WORD>(how == "enter" ? VK_RETURN : VK_ESCAPE)}}});
    } else if (how == "altf4") {
        give({{{VK_MENU, VK_F4}}});
    } else {
        give({{}, closebox(open)});
    }
    EXPECT_FALSE(IsWindow(open)) << c.item << " " << c.how;
    EXPECT_TRUE(IsWindowEnabled(main()));
    EXPECT_FALSE(game().clock().running);  // the game stays paused
    expectkeyboardhere(c.how);
    give({{{VK_LEFT}}});
    EXPECT_EQ(game().pairx(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Menu, EveryWindow,
    ::testing::Values(
        Closing{"m_topscores", L"Десятка лучших результатов", "button"},
        Closing{"m_topscores", L"Десятка лучших результатов", "escape"},
        Closing{"m_topscores", L"Десятка лучших результатов", "altf4"},
        Closing{"m_colors", L"Цвета", "button"}, Closing{"m_colors", L"Цвета", "escape"},
        Closing{"m_colors", L"Цвета", "closebox"}, Closing{"m_keys", L"Клавиши", "button"},
        Closing{"m_keys", L"Клавиши", "altf4"}, Closing{"m_keys", L"Клавиши", "closebox"},
        Closing{"m_rules", L"Правила", "enter"}, Closing{"m_rules", L"Правила", "closebox"},
        Closing{"m_about", L"О программе", "escape"},
        Closing{"m_about", L"О программе", "closebox"}),
    [](const auto& info) { return std::string(info.param.item) + "_" + info.param.how; });

// The colour dialog's keyboard starts on the first colour, where Space picks a colour.
// The colours open with the keyboard on the first colour; Space there opens the system's
// picker, which starts from black, and the colour picked reaches the game on "Ok", which Enter
// presses.
TEST_F(WindowsTest, ColoursOpenWithTheKeyboardOnTheFirstColourAndPickOne) {
    menu("m_colors");
    wchar_t text[8] = {};
    GetWindowTextW(GetFocus(), text, 8);
    EXPECT_EQ(std::wstring(text), L"1");
    const auto* colours = dynamic_cast<const ColorDialog*>(window->opened(FormId::colorform));
    ASSERT_NE(colours, nullptr);
    ASSERT_NE(colours->swatch(1), 0u);
    give({{{VK_SPACE}, {}, {}, {VK_RETURN}}});  // the picker, and its own "OK"
    EXPECT_EQ(colours->swatch(1), 0u);
    EXPECT_NE(game().palette()[1], 0u) << "not before Ok";
    give({{{VK_RETURN}}});
    EXPECT_EQ(window->openwindow(), nullptr);
    EXPECT_EQ(game().palette()[1], 0u);
}

// The system's keys in the main window: F10 made a game key is the game's, and Alt still
// opens the menu; one Esc closes a menu opened with the mouse and the keys are the game's.
TEST_F(WindowsTest, F10BoundPlaysAndOneEscClosesAMenuOpenedWithTheMouse) {
    menu("m_newgame");
    RECT item{};
    GetMenuItemRect(main(), GetMenu(main()), 0, &item);
    give({{{VK_ESCAPE}, {VK_LEFT}, {VK_ESCAPE}, {VK_ESCAPE}},
          {(item.left + item.right) / 2, (item.top + item.bottom) / 2}});
    EXPECT_EQ(game().pairx(), 1) << "Left went to the menu bar";

    game().setkeys({VK_F10, VK_RIGHT, VK_UP, VK_DOWN});
    give({{{VK_F10}, {VK_ESCAPE}, {VK_ESCAPE}}});
    EXPECT_EQ(game().pairx(), 0);
    give({{{VK_MENU}, {VK_RIGHT}, {VK_ESCAPE}, {VK_ESCAPE}}});
    EXPECT_EQ(game().pairx(), 0) << "Alt opened no menu, and Right moved the pair";
    expectkeyboardhere("the menus");
}

// A game under way pauses when the window is minimised and stays paused when it comes back.
TEST_F(WindowsTest, MinimisedPausesTheGame) {
    menu("m_newgame");
    ShowWindow(main(), SW_MINIMIZE);
    pump();
    EXPECT_FALSE(game().clock().running);
    ShowWindow(main(), SW_RESTORE);
    pump();
    EXPECT_FALSE(game().clock().running);
    EXPECT_TRUE(IsWindowVisible(window->control("Command2")));
}

TEST_F(WindowsTest, KeysDialogCapturesKeysBeepsAtOthersAndSavesOnlyOnSave) {
    menu("m_keys");
    const HWND open = window->openwindow();
    const HWND left = FindWindowExW(open, nullptr, L"EDIT", nullptr);
    ASSERT_NE(left, nullptr);
    wchar_t text[32] = {};
    GetWindowTextW(left, text, 32);
    EXPECT_EQ(std::wstring(text), L"Влево");
    SendMessageW(left, WM_KEYDOWN, VK_F5, 0);
    SendMessageW(left, WM_KEYDOWN, VK_NUMPAD5, 0);  // no name: beeps, changes nothing
    GetWindowTextW(left, text, 32);
    EXPECT_EQ(std::wstring(text), L"F5");
    SendMessageW(left, WM_KEYDOWN, VK_APPS, 0);  // the Menu key is a key like any other
    GetWindowTextW(left, text, 32);
    EXPECT_EQ(std::wstring(text), L"MenuKey");
    EXPECT_EQ(game().keys().left, 37);
    click(FindWindowExW(open, nullptr, L"BUTTON", L"Сохранить"));
    EXPECT_EQ(game().keys().left, VK_APPS);
    EXPECT_TRUE(IsWindowEnabled(main()));
}

// Game over: the record is entered, shown in the table, and the main window returns to idle.
TEST_F(WindowsTest, GameOverThroughToTheRecordsTable) {
    menu("m_newgame");
    for (int y = 2; y < Game::kRows; ++y) {
        set(game()).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
    }
    set(game()).display.score = 120;
    key(VK_DOWN);  // lands on the entry cells
    HWND over = window->openwindow();
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(title(over), L"GameOver");
    EXPECT_FALSE(IsWindowEnabled(main()));
    EXPECT_FALSE(game().clock().running);
    const HWND name = FindWindowExW(over, nullptr, L"EDIT", nullptr);
    ASSERT_TRUE(IsWindowVisible(name));  // record mode
    SetWindowTextW(name, L"Ваня");
    click(FindWindowExW(over, nullptr, L"BUTTON", L"Ok"));
    EXPECT_FALSE(IsWindow(over));
    const HWND table = window->openwindow();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(title(table), L"Десятка лучших результатов");
    EXPECT_FALSE(IsWindowEnabled(main()));  // until the table closes
    EXPECT_EQ(GetActiveWindow(), table);
    EXPECT_EQ(game().topname()[0], "Ваня");
    EXPECT_EQ(game().topscore()[0], 120);
    EXPECT_EQ(RegistryStore(storekey).read("TopScores", "Name 1"), "Ваня");  // on disk at once
    Sleep(300);  // keys sooner than that after the game's end are thrown away
    give({{{VK_ESCAPE}}});
    EXPECT_FALSE(IsWindow(table));
    EXPECT_TRUE(IsWindowEnabled(main()));
    EXPECT_TRUE(IsWindowVisible(window->control("Command1")));  // idle again
    EXPECT_FALSE(game().display().pauseenabled);
    expectkeyboardhere("the records table");
    give({{{VK_F2}, {VK_LEFT}}});
    EXPECT_TRUE(game().clock().running);
    EXPECT_EQ(game().pairx(), 1);
}

// Closing the main window with a qualifying game asks the name, then ends the program.
TEST_F(WindowsTest, ClosingWithAQualifyingGameAsksTheNameThenEnds) {
    menu("m_newgame");
    set(game()).display.score = 40;
    SendMessageW(main(), WM_CLOSE, 0, 0);
    pump();
    EXPECT_TRUE(IsWindow(main()));
    EXPECT_FALSE(IsWindowVisible(main()));
    EXPECT_FALSE(game().clock().running);
    const HWND over = window->openwindow();
    ASSERT_NE(over, nullptr);
    // With the main window hidden, the prompt has a task bar button of its own.
    EXPECT_TRUE(GetWindowLongPtrW(over, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    SendMessageW(over, WM_COMMAND, IDOK, 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the end
    EXPECT_EQ(RegistryStore(storekey).read("TopScores", "Record 1"), "40");
    EXPECT_EQ(RegistryStore(storekey).read("TopScores", "Name 1"), "Anonymous");
}

// A plain close saves the options and ends the program with status 0, as scripts expect.
TEST_F(WindowsTest, ClosingWithoutAGameSavesAndEndsWithStatusZero) {
    SendMessageW(main(), WM_CLOSE, 0, 0);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    EXPECT_EQ(RegistryStore(storekey).read("Options", "Level"), "1");
}

// The menu bar answers a click while a group and the level-up message blink; "Цвета" chosen
// then opens once the landing is over, with the game paused behind it.
TEST_F(WindowsTest, ColoursChosenDuringABlinkOpenAfterItOverAPausedGame) {
    game().setanim(true);
    menu("m_newgame");
    set(game()).board[2][13] = set(game()).board[2][14] = 1;
    game().drawboard();
    set(game()).paircolor1 = set(game()).paircolor2 = 1;
    set(game()).display.col = 99;  // and the level rises: over a second of blinking
    RECT item{};
    GetMenuItemRect(main(), GetMenu(main()), 2, &item);  // "Настройки"
    PostMessageW(main(), WM_KEYDOWN, VK_DOWN, 0);
    give({{{VK_DOWN}, {VK_DOWN}, {VK_DOWN}, {VK_RETURN}},
          {(item.left + item.right) / 2, (item.top + item.bottom) / 2}});
    while (game().landing()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        pump();
    }
    pump();
    const HWND colours = window->openwindow();
    ASSERT_NE(colours, nullptr);
    EXPECT_EQ(title(colours), L"Цвета");
    EXPECT_EQ(game().display().level, 2);
    EXPECT_FALSE(game().clock().running) << "the clock runs behind the colours";
    EXPECT_TRUE(IsWindowVisible(window->control("Command2")));
}

// Windows' own keys in each window, given for real: Tab goes round the controls and back, Alt
// with a letter (no control has a mnemonic) leaves the window as it was; in the keys window
// both are keys to bind.
TEST_F(WindowsTest, TabAndAltWithALetterInEveryDialog) {
    for (const char* item : {"m_topscores", "m_colors", "m_rules", "m_about"}) {
        SCOPED_TRACE(item);
        menu(item);
        const HWND open = window->openwindow();
        ASSERT_NE(open, nullptr);
        const HWND first = GetFocus();
        ASSERT_TRUE(IsChild(open, first));
        HWND expected = first;
        do {
            expected = GetNextDlgTabItem(open, expected, FALSE);
            give({{{VK_TAB}}});
            EXPECT_EQ(GetFocus(), expected);
        } while (expected != first && GetFocus() == expected);
        give({{{VK_MENU, 'Q'}}});
        EXPECT_EQ(window->openwindow(), open);
        EXPECT_EQ(GetFocus(), first);
        SendMessageW(open, WM_CLOSE, 0, 0);
        pump();
    }

    // Enter in the rules' text presses "Закрыть", as anywhere in a dialog.
    menu("m_rules");
    const HWND rules = window->openwindow();
    give({{{VK_TAB}, {VK_RETURN}}});
    EXPECT_FALSE(IsWindow(rules));

    menu("m_keys");
    const HWND keys = window->openwindow();
    const HWND left = GetFocus();
    give({{{VK_TAB}}});
    EXPECT_EQ(GetFocus(), left);
    EXPECT_EQ(title(left), L"Tab");
    give({{{VK_MENU, 'A'}}});
    EXPECT_EQ(GetFocus(), left);
    EXPECT_EQ(title(left), L"A");
    EXPECT_EQ(window->openwindow(), keys);
    SendMessageW(keys, WM_CLOSE, 0, 0);
    pump();

    // The name asked at game over: Tab between the name and "Ok".
    menu("m_newgame");
    for (int y = 2; y < Game::kRows; ++y) {
        set(game()).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
    }
    key(VK_DOWN);
    const HWND over = window->openwindow();
    ASSERT_NE(over, nullptr);
    Sleep(300);  // keys sooner than that after the game's end are thrown away
    const HWND name = FindWindowExW(over, nullptr, L"EDIT", nullptr);
    EXPECT_EQ(GetFocus(), name);
    give({{{VK_TAB}}});
    EXPECT_EQ(GetFocus(), FindWindowExW(over, nullptr, L"BUTTON", L"Ok"));
    give({{{VK_TAB}}});
    EXPECT_EQ(GetFocus(), name);
}

// The main window: what the player sees at start, starting, pausing, levels and keys.
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include "GameSetup.h"
#include "GuiTest.h"
#include "ProgressBar.h"
#include "SoundPlayer.h"
#include "Twips.h"

class MainWindowTest : public GuiTest {};

// Where each control stands and what it says is the forms walk's; here, what idle means.
TEST_F(MainWindowTest, OpensIdleAndLoadsTheSoundsOnceAfterTheFirstFrame) {
    EXPECT_EQ(text("score"), "0");
    EXPECT_TRUE(shown("info"));
    EXPECT_TRUE(shown("Command1"));
    EXPECT_FALSE(shown("Command2"));
    EXPECT_FALSE(action("m_pause")->isEnabled());
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_EQ(timer1()->timerType(), Qt::PreciseTimer);
    // The sounds load only after the first frame; they must still come, once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->findChild<SoundPlayer*>() != nullptr; }));
    for (int frame = 0; frame < 3; ++frame) {
        window->centralWidget()->repaint();
        QTest::qWait(0);
    }
    EXPECT_EQ(window->findChildren<SoundPlayer*>().size(), 1);
}

// Qt hides menu titles that do not fit behind a button; all four must show at our width.
TEST_F(MainWindowTest, MenuTitlesFitAndStartingLevelsAreExclusive) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    auto* extension = window->menuBar()->findChild<QToolButton*>("qt_menubar_ext_button");
    EXPECT_TRUE(extension == nullptr || !extension->isVisible());
    for (QAction* menu : menus) {
        EXPECT_FALSE(window->menuBar()->actionGeometry(menu).isEmpty())
            << menu->text().toStdString();
    }
    for (int twice = 0; twice < 2; ++twice) {  // a checked item chosen again stays checked
        action("m_level3")->trigger();
        for (int i = 1; i <= 8; ++i) {
            QAction* item = action(QString("m_level%1").arg(i).toLatin1().constData());
            EXPECT_EQ(item->isChecked(), i == 3) << i;
        }
    }
    EXPECT_EQ(game().startlevel(), 3);
}

TEST_F(MainWindowTest, StartButtonStartsAGameThatFalls) {
    QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(shown("Command1"));
    EXPECT_FALSE(shown("info"));
    EXPECT_TRUE(action("m_pause")->isEnabled());
    EXPECT_TRUE(timer1()->isActive());
    EXPECT_EQ(timer1()->interval(), 400);
    const int before = game().pairy();
    QTest::qWait(450);
    EXPECT_EQ(game().pairy(), before + 1);
}

TEST_F(MainWindowTest, F2DuringAGameStartsANewOneAndHidesContinue) {
    key(Qt::Key_F2);
    key(Qt::Key_Left);
    set(game()).board[5][14] = 3;
    key(Qt::Key_P);
    ASSERT_TRUE(shown("Command2"));
    key(Qt::Key_F2);
    EXPECT_FALSE(shown("Command2"));
    EXPECT_FALSE(shown("Command1"));
    EXPECT_EQ(game().board()[5][14], 0);
    EXPECT_EQ(game().pairx(), 2);
    EXPECT_TRUE(timer1()->isActive());
}

TEST_F(MainWindowTest, PAndPausePauseAndContinueGoesOn) {
    key(Qt::Key_F2);
    key(Qt::Key_P);
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(shown("Command2"));
    EXPECT_EQ(find<QPushButton>("Command2")->text(), "Продолжить");
    QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(timer1()->isActive());
    EXPECT_FALSE(shown("Command2"));
    key(Qt::Key_Pause);
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(shown("Command2"));
    action("m_pause")->trigger();
    EXPECT_TRUE(shown("Command2"));
}

// A game ends unseen if it runs on behind a minimised window.
TEST_F(MainWindowTest, MinimisedPausesTheGameAndItStaysPaused) {
    key(Qt::Key_F2);
    window->showMinimized();
    EXPECT_FALSE(timer1()->isActive());
    window->showNormal();
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(shown("Command2"));
}

TEST_F(MainWindowTest, KeysDoNothingWithoutAGame) {
    key(Qt::Key_Down);
    key(Qt::Key_P);
    EXPECT_FALSE(shown("Command2"));
    EXPECT_FALSE(timer1()->isActive());
}

TEST_F(MainWindowTest, LevelMenuChangesOnlyTheNextGame) {
    key(Qt::Key_F2);
    action("m_level5")->trigger();
    EXPECT_TRUE(action("m_level5")->isChecked());
    EXPECT_FALSE(action("m_level1")->isChecked());
    EXPECT_EQ(timer1()->interval(), 400);
    EXPECT_EQ(text("level"), "1");
    key(Qt::Key_F2);
    EXPECT_EQ(timer1()->interval(), 200);
    EXPECT_EQ(text("level"), "5");
    for (int level = 1; level <= 8; ++level) {
        action(QString("m_level%1").arg(level).toLatin1().constData())->trigger();
        key(Qt::Key_F2);
        EXPECT_EQ(timer1()->interval(), 450 - 50 * level);
    }
}

TEST_F(MainWindowTest, ArrowsMoveTurnAndDrop) {
    key(Qt::Key_F2);
    key(Qt::Key_Left);
    EXPECT_EQ(game().pairx(), 1);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(game().pairx(), 3);
    key(Qt::Key_Up);
    EXPECT_EQ(game().pairdir(), 1);
    key(Qt::Key_Down);
    EXPECT_NE(game().board()[3][14], 0);
    EXPECT_NE(game().board()[2][14], 0);
    EXPECT_EQ(game().pairx(), 2);
}

// Esc on an open menu leaves the menu bar in keyboard mode; the arrows must still play.
TEST_F(MainWindowTest, KeysGoBackToTheGameWhenAMenuCloses) {
    key(Qt::Key_F2);
    QMenuBar* bar = window->menuBar();
    const QList<QAction*> menus = bar->actions();
    for (QAction* menu : {menus[0], menus[2]}) {  // "&Игра", then "&Настройки"
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, Qt::Key_Escape);
        // The offscreen platform leaves the closed popup active; a window manager would not.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::qWait(0);
        EXPECT_NE(QApplication::focusWidget(), bar);
        const int before = game().pairx();
        // Where the player's next key goes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        EXPECT_EQ(game().pairx(), before - 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_EQ(game().pairx(), before);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_NE(game().board()[2][14], 0);  // dropped
}

// A held key repeats: it slides the pair, but drops only one. The X server repeats a key as a
// release and a press at the same moment, which Qt does not always mark as a repeat.
TEST_F(MainWindowTest, HeldKeySlidesThePairButDropsOne) {
    key(Qt::Key_F2);
    const auto send = [this](QEvent::Type type, Qt::Key key, ulong time, bool repeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        event.setTimestamp(time);
        QApplication::sendEvent(window.get(), &event);
    };
    for (int i = 0; i < 3; ++i) {
        send(QEvent::KeyPress, Qt::Key_Right, 100 + i, true);
    }
    EXPECT_EQ(game().pairx(), 5);
    const auto balls = [this] {
        int n = 0;
        for (const auto& column : game().board()) {
            n += static_cast<int>(std::count_if(column.begin(), column.end() - 1,
                                                [](auto cell) { return cell != 0; }));
        }
        return n;
    };
    send(QEvent::KeyPress, Qt::Key_Down, 1000, false);
    EXPECT_EQ(balls(), 2);
    send(QEvent::KeyRelease, Qt::Key_Down, 1660, false);
    send(QEvent::KeyPress, Qt::Key_Down, 1660, false);
    send(QEvent::KeyRelease, Qt::Key_Down, 1700, true);
    send(QEvent::KeyPress, Qt::Key_Down, 1700, true);
    EXPECT_EQ(balls(), 2);
    send(QEvent::KeyRelease, Qt::Key_Down, 1740, false);
    send(QEvent::KeyPress, Qt::Key_Down, 2500, false);
    EXPECT_EQ(balls(), 4);
}

TEST_F(MainWindowTest, MenuShortcutWinsOverABinding) {
    key(Qt::Key_F2);
    key(Qt::Key_Down);
    game().setkeys({113, 39, 38, 40});  // F2 moves left
    key(Qt::Key_F2);
    EXPECT_EQ(game().pairx(), 2);
    EXPECT_EQ(game().board()[2][14], 0);  // a new game, not a move
}

TEST_F(MainWindowTest, RussianLayoutPStillPauses) {
    key(Qt::Key_F2);
    // Under a Russian layout the P key arrives as the letter Ze, with P's scan code.
    QKeyEvent ze(QEvent::KeyPress, 0x0417, Qt::NoModifier, 33, 0x6c7, 0, QString::fromUtf8("з"));
    QApplication::sendEvent(window.get(), &ze);
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(shown("Command2"));
}

TEST_F(MainWindowTest, ScoreShowsAsPlainDecimals) {
    key(Qt::Key_F2);
    set(game()).display.score = 1234567890123;
    window->render();
    EXPECT_EQ(text("score"), "1234567890123");
}

TEST_F(MainWindowTest, ProgressWidthIsMappedOnceFromTwips) {
    auto* bar = window->findChild<ProgressBar*>("perc");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->filledwidth(), 1);  // 12 twips at design
    set(game()).display.perc = 359.64;
    EXPECT_EQ(bar->filledwidth(), 24);
}

// Keys and menu commands given while a group blinks act once it has gone, on the next pair;
// the window goes on painting meanwhile.
TEST_F(MainWindowTest, InputDuringABlinkActsAfterItOnTheNextPair) {
    startwithagroupready();
    key(Qt::Key_Down);  // four of one colour in column 2: half a second of blinking
    ASSERT_TRUE(game().landing());
    QTest::qWait(100);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    action("m_anim")->trigger();
    EXPECT_EQ(game().pairx(), 2);
    EXPECT_TRUE(game().anim());
    EXPECT_TRUE(find<QTimer>("blink")->isActive());
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !game().landing(); }));
    EXPECT_EQ(game().display().col, 1);
    EXPECT_EQ(game().pairy(), 0) << "a new pair";
    EXPECT_EQ(game().pairx(), 0);
    EXPECT_FALSE(game().anim());
    EXPECT_TRUE(timer1()->isActive());
    EXPECT_FALSE(find<QTimer>("blink")->isActive());
}

// A window over the main one disables it, but the game never greys itself: its counters, well
// and preview look as they did (the style still draws the disabled button's own frame).
TEST_F(MainWindowTest, AWindowOverItLeavesTheGameUngreyed) {
    key(Qt::Key_F2);
    key(Qt::Key_P);
    QImage before = window->centralWidget()->grab().toImage();
    action("m_rules")->trigger();
    ASSERT_FALSE(window->isEnabled());
    QImage after = window->centralWidget()->grab().toImage();
    const QRect button = find<QPushButton>("Command2")->geometry();
    for (QImage* image : {&before, &after}) {
        QPainter(image).fillRect(button, Qt::black);
    }
    EXPECT_TRUE(after == before);
}

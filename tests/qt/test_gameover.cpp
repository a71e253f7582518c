// Game over, records and closing: a wrong order here loses a record, offers one for no game,
// or leaves the window disabled or a game running unseen.
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QWindow>

#include "GameSetup.h"
#include "GuiTest.h"
#include "OverForm.h"
#include "TopScoresForm.h"

class GameOverTest : public GuiTest {
protected:
    // Column 2 reaches row 2, so the next drop lands on the entry cells.
    void fillcolumn() {
        for (int y = 2; y < 15; ++y) {
            set(game()).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
        }
        game().drawboard();
    }
    void endgame(std::int64_t score) {
        key(Qt::Key_F2);
        fillcolumn();
        set(game()).display.score = score;
        key(Qt::Key_Down);
    }
    QString stored(const char* key) const {
        return QSettings(inifile(), QSettings::IniFormat).value(key).toString();
    }
};

TEST_F(GameOverTest, RecordIsEnteredShownAndKept) {
    endgame(120);
    QPointer<OverForm> over = openwindow<OverForm>();
    ASSERT_NE(over, nullptr);
    auto* name = over->findChild<QLineEdit*>("yourname");
    window->activateWindow();  // a click on the main window brings the game-over window forward
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == over; }));
    // Keys the player is still pressing as the game ends are not typed into the name.
    QTest::keyClick(name, Qt::Key_Space);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(name->text(), "Anonymous");
    EXPECT_FALSE(over.isNull());
    QTest::qWait(300);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(over->recordmode());
    EXPECT_EQ(over->windowTitle(), "GameOver");
    EXPECT_EQ(over->findChild<QLabel*>("score")->text(), "120");
    EXPECT_EQ(over->findChild<QLabel*>("level")->text(), "1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == over; }));
    EXPECT_TRUE(over->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), name);
    EXPECT_EQ(name->selectedText(), "Anonymous");
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("Ваня"));
    QApplication::sendEvent(name, &typed);
    QTest::keyClick(name, Qt::Key_Return);
    QTest::qWait(0);
    EXPECT_TRUE(over.isNull());

    TopScoresForm* table = openwindow<TopScoresForm>();
    ASSERT_NE(table, nullptr);
    EXPECT_FALSE(window->isEnabled());
    window->activateWindow();  // a click on the main window brings the table forward
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == table; }));
    EXPECT_EQ(game().topname()[0], "Ваня");
    EXPECT_EQ(game().topscore()[0], 120);
    QList<QLabel*> names = elements<QLabel>(table, "names", 10);
    EXPECT_EQ(names[0]->text(), "Ваня");
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_TRUE(window->isEnabled());

    // Back to idle.
    EXPECT_TRUE(shown("Command1"));
    EXPECT_FALSE(shown("Command2"));
    EXPECT_TRUE(shown("info"));
    EXPECT_FALSE(shown("score") || shown("col") || shown("level"));
    EXPECT_EQ(text("score"), "0");
    EXPECT_FALSE(action("m_pause")->isEnabled());

    // Closed with the close box, the next run finds the name.
    window->close();
    open();
    EXPECT_EQ(game().topname()[0], "Ваня");
    EXPECT_EQ(game().topscore()[0], 120);
}

TEST_F(GameOverTest, WithoutARecordOkOnlyCloses) {
    setrecords(500);
    endgame(10);
    QPointer<OverForm> over = openwindow<OverForm>();
    ASSERT_NE(over, nullptr);
    EXPECT_FALSE(over->recordmode());
    QTest::qWait(300);                      // keys count once the player can have seen it
    QTest::keyClick(over, Qt::Key_Escape);  // Esc presses "Ok"
    QTest::qWait(0);
    EXPECT_TRUE(over.isNull());
    EXPECT_EQ(openwindow<TopScoresForm>(), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(game().topscore()[9], 500);
}

TEST_F(GameOverTest, CloseBoxInRecordModeInsertsNothingButShowsTheTable) {
    endgame(120);
    OverForm* over = openwindow<OverForm>();
    ASSERT_NE(over, nullptr);
    over->close();
    EXPECT_EQ(game().topscore()[0], 0);
    EXPECT_EQ(game().topname()[0], "-");
    TopScoresForm* table = openwindow<TopScoresForm>();
    ASSERT_NE(table, nullptr);
    table->close();
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(GameOverTest, GameEndedWhilePausedLeavesNoContinueButton) {
    key(Qt::Key_F2);
    fillcolumn();
    key(Qt::Key_P);
    key(Qt::Key_Down);
    OverForm* over = openwindow<OverForm>();
    ASSERT_NE(over, nullptr);
    over->close();
    openwindow<TopScoresForm>()->close();
    EXPECT_TRUE(shown("Command1"));
    EXPECT_FALSE(shown("Command2"));
}

TEST_F(GameOverTest, ClosingWithAQualifyingGameAsksTheNameThenEnds) {
    QSignalSpy ended(window.get(), &MainWindow::programended);
    key(Qt::Key_F2);
    set(game()).display.score = 40;
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(timer1()->isActive());            // the hidden game does not go on
    EXPECT_EQ(stored("TopScores/Record 1"), "0");  // saved once already
    OverForm* over = openwindow<OverForm>();
    ASSERT_NE(over, nullptr);
    EXPECT_TRUE(over->recordmode());
    // A window of its own in the window list, not one kept behind a hidden one.
    EXPECT_EQ(over->windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(over->windowType(), Qt::Window);
    QTest::keyClick(over, Qt::Key_Return);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(stored("TopScores/Record 1"), "40");
    EXPECT_EQ(stored("TopScores/Name 1"), "Anonymous");
    EXPECT_FALSE(window->isVisible());
}

// A close that arrives while a group blinks, here from within the program, waits for the
// landing to end, as keys do; then the record is offered and the game stands still behind it.
TEST_F(GameOverTest, CloseDuringABlinkWaitsForTheLanding) {
    startwithagroupready();
    QTimer::singleShot(100, window.get(), [this] { window->close(); });
    key(Qt::Key_Down);  // four of one colour in column 2: they blink for half a second
    EXPECT_TRUE(QTest::qWaitFor([this] { return !game().landing(); }));
    EXPECT_EQ(game().display().col, 1);
    EXPECT_FALSE(window->isVisible());
    OverForm* over = openwindow<OverForm>();
    ASSERT_NE(over, nullptr);
    EXPECT_TRUE(over->recordmode());
    const int row = game().pairy();
    QTest::qWait(1000);
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_EQ(game().pairy(), row);
}

TEST_F(GameOverTest, ClosingWithoutAGameOffersNoRecord) {
    QSignalSpy ended(window.get(), &MainWindow::programended);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(openwindow<OverForm>(), nullptr);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(stored("Options/Sound"), "True");
    EXPECT_EQ(stored("TopScores/Name 10"), "-");
}

TEST_F(GameOverTest, ClosingWithALowScoreJustCloses) {
    setrecords(100);
    key(Qt::Key_F2);
    set(game()).display.score = 99;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(openwindow<OverForm>(), nullptr);
}

TEST_F(GameOverTest, ExitSavesAndEndsAtOnce) {
    QSignalSpy ended(window.get(), &MainWindow::programended);
    action("m_sound")->trigger();
    key(Qt::Key_F2);
    set(game()).display.score = 1000;
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(stored("Options/Sound"), "False");
    EXPECT_EQ(openwindow<OverForm>(), nullptr);  // no record prompt
    EXPECT_EQ(stored("TopScores/Record 1"), "0");
}

TEST_F(GameOverTest, DisabledWindowIgnoresItsCloseBox) {
    action("m_topscores")->trigger();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    openwindow<TopScoresForm>()->close();
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(GameOverTest, TableShowsDefaultsAndEmptyNames) {
    std::array<std::string, 10> stored;
    stored[4] = std::string(200, 'W');
    stored[5] = "<b>bold</b><img src=x>";
    setrecords(0, stored);
    store->write("TopScores", "Name 4", "");  // an empty name, as typed
    game().loadsettings(*store);
    game().setanim(false);
    action("m_topscores")->trigger();
    TopScoresForm* table = openwindow<TopScoresForm>();
    ASSERT_NE(table, nullptr);
    const QSize size = table->size();
    QList<QLabel*> scores = elements<QLabel>(table, "score", 10);
    QList<QLabel*> names = elements<QLabel>(table, "names", 10);
    ASSERT_EQ(scores.size(), 10);
    EXPECT_EQ(scores[0]->text(), "0");
    EXPECT_EQ(names[0]->text(), "-");
    EXPECT_EQ(names[3]->text(), "");
    EXPECT_EQ(names[4]->width(), names[0]->width());
    EXPECT_TRUE(names[4]->text().endsWith(QChar(0x2026)));  // "…", where it no longer fits
    EXPECT_LE(names[4]->fontMetrics().horizontalAdvance(names[4]->text()), names[4]->width());
    EXPECT_EQ(game().topname()[4].size(), 200u);
    EXPECT_EQ(names[5]->textFormat(), Qt::PlainText);  // a name is never markup
    EXPECT_EQ(table->size(), size);
    QList<QLabel*> ranks = elements<QLabel>(table, "rank", 10);
    EXPECT_EQ(ranks[9]->text(), "10");
    table->close();
}

// Windows opened from the menu: a wrong order pauses nothing, leaves the main window disabled,
// or lets a cancelled dialog change the game.
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>

#include "AboutForm.h"
#include "ColorForm.h"
#include "GuiTest.h"
#include "KeyField.h"
#include "KeysForm.h"
#include "RulesForm.h"
#include "Texts.h"
#include "TopScoresForm.h"
#include "Twips.h"

class DialogTest : public GuiTest {
protected:
    template <typename T>
    T* openfrommenu(const char* item) {
        action(item)->trigger();
        T* form = openwindow<T>();
        EXPECT_NE(form, nullptr) << item;
        EXPECT_FALSE(window->isEnabled());
        if (form != nullptr) {
            EXPECT_TRUE(form->isEnabled());
        }
        return form;
    }
};

struct Opening {
    const char* item;
    const char* title;
    const char* closer;  // how it is closed: "button", "enter", "escape" or "closebox"
};

class EveryWindow : public DialogTest, public ::testing::WithParamInterface<Opening> {};

TEST_P(EveryWindow, PausesTheGameAndEveryWayOfClosingEnablesTheWindow) {
    const Opening& o = GetParam();
    key(Qt::Key_F2);
    ASSERT_TRUE(timer1()->isActive());
    action(o.item)->trigger();
    QPointer<Form> form = openwindow<Form>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(o.title));
    EXPECT_FALSE(form->isModal());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(shown("Command2"));
    EXPECT_NE(form->focusWidget(), nullptr);
    // A click on the disabled main window, coming from another program's window, brings the
    // open one forward with the keyboard.
    {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form; }));
    }
    const std::string closer = o.closer;
    if (closer == "button") {
        auto* button = form->findChild<QPushButton*>("Command1");
        if (QString(o.item) == "m_keys" || QString(o.item) == "m_colors") {
            button = form->findChild<QPushButton*>("Command2");  // "Отмена"
        }
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (closer == "enter") {
        QTest::keyClick(form, Qt::Key_Return);
    } else if (closer == "escape") {
        QTest::keyClick(form, Qt::Key_Escape);
    } else {
        form->close();
    }
    QTest::qWait(0);
    EXPECT_TRUE(form.isNull()) << o.item << " " << o.closer;
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(timer1()->isActive());  // the game stays paused
    EXPECT_TRUE(shown("Command2"));
    // The keyboard is the game's again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    ASSERT_EQ(QApplication::focusWidget(), window->centralWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(game().pairx(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Menu, EveryWindow,
    ::testing::Values(
        Opening{"m_topscores", "Десятка лучших результатов", "button"},
        Opening{"m_topscores", "Десятка лучших результатов", "enter"},
        Opening{"m_topscores", "Десятка лучших результатов", "escape"},
        Opening{"m_topscores", "Десятка лучших результатов", "closebox"},
        Opening{"m_colors", "Цвета", "button"}, Opening{"m_colors", "Цвета", "escape"},
        Opening{"m_colors", "Цвета", "closebox"}, Opening{"m_keys", "Клавиши", "button"},
        Opening{"m_keys", "Клавиши", "closebox"}, Opening{"m_rules", "Правила", "button"},
        Opening{"m_rules", "Правила", "enter"}, Opening{"m_rules", "Правила", "escape"},
        Opening{"m_rules", "Правила", "closebox"}, Opening{"m_about", "О программе", "enter"},
        Opening{"m_about", "О программе", "escape"}, Opening{"m_about", "О программе", "closebox"}),
    [](const auto& info) { return std::string(info.param.item) + "_" + info.param.closer; });

TEST_F(DialogTest, OpeningWhileIdleShowsNoContinueButton) {
    openfrommenu<AboutForm>("m_about")->close();
    EXPECT_FALSE(shown("Command2"));
    EXPECT_TRUE(shown("Command1"));
}

// Key bindings: Enter and Escape must be capturable, and only "Сохранить" may store.
class KeysTest : public DialogTest {
protected:
    KeysForm* form = nullptr;
    void SetUp() override { form = openfrommenu<KeysForm>("m_keys"); }
    KeyField* field(int i) { return form->fields()[i]; }
};

TEST_F(KeysTest, ShowsTheCurrentBindings) {
    EXPECT_EQ(field(0)->text(), "Влево");
    EXPECT_EQ(field(1)->text(), "Вправо");
    EXPECT_EQ(field(2)->text(), "Вверх");
    EXPECT_EQ(field(3)->text(), "Вниз");
    EXPECT_EQ(form->focusWidget(), field(0));
    form->close();
}

TEST_F(KeysTest, CapturesNamedKeysAndBeepsAtOthers) {
    QSignalSpy beeps(form, &KeysForm::beeped);
    QTest::keyClick(field(0), Qt::Key_F5);
    EXPECT_EQ(field(0)->text(), "F5");
    EXPECT_EQ(form->choice().code(0), 116);
    QTest::keyClick(field(0), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(field(0), Qt::Key_Pause);
    EXPECT_EQ(beeps.count(), 2);
    EXPECT_EQ(field(0)->text(), "F5");
    EXPECT_EQ(form->choice().code(0), 116);
    // The Menu key is a key to bind: no context menu may open and take the keys after it.
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5),
                           field(1)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field(1), &menu);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(field(1), Qt::Key_Menu);
    EXPECT_EQ(field(1)->text(), "MenuKey");
    QTest::keyClick(field(1), Qt::Key_Shift);
    QTest::keyClick(field(1), Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(field(1)->text(), "A");
    QTest::keyClick(field(2), Qt::Key_Return);
    EXPECT_EQ(field(2)->text(), "Enter");
    QTest::keyClick(field(3), Qt::Key_Escape);
    EXPECT_EQ(field(3)->text(), "Escape");
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(field(3), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(field(3)->text(), "k");
    QTest::keyClicks(field(3), "xyz");
    EXPECT_EQ(field(3)->text(), "Z");   // typed text never goes in, only key names
    EXPECT_EQ(game().keys().left, 37);  // nothing stored yet
    QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(game().keys().left, 116);
    EXPECT_EQ(game().keys().right, 65);
    EXPECT_EQ(game().keys().rotate, 13);
    EXPECT_EQ(game().keys().drop, 90);
}

TEST_F(KeysTest, CancelAndCloseBoxStoreNothing) {
    QTest::keyClick(field(1), Qt::Key_Q);
    QTest::mouseClick(form->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    EXPECT_EQ(game().keys().right, 39);
    form = openfrommenu<KeysForm>("m_keys");
    EXPECT_EQ(field(1)->text(), "Вправо");
    QTest::keyClick(field(1), Qt::Key_Q);
    form->close();
    EXPECT_EQ(game().keys().right, 39);
}

TEST_F(KeysTest, ReboundKeysPlay) {
    QTest::keyClick(field(2), Qt::Key_Left);  // rotate shares Left with move left
    QTest::keyClick(field(3), Qt::Key_P);     // drop takes P from pause
    QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    key(Qt::Key_F2);
    key(Qt::Key_Left);
    EXPECT_EQ(game().pairx(), 1);
    EXPECT_EQ(game().pairdir(), 0);
    key(Qt::Key_P);
    EXPECT_NE(game().board()[1][14], 0);
    EXPECT_TRUE(timer1()->isActive());
    key(Qt::Key_Pause);
    EXPECT_FALSE(timer1()->isActive());
}

// Colours: work on a copy; the picker starts black with black custom colours per opening.
class ColorsTest : public DialogTest {
protected:
    // Answers the next picker: checks how it starts, then picks or cancels.
    void answer(std::function<void(QColorDialog*)> act) {
        QTimer::singleShot(0, [act] {
            auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            EXPECT_EQ(picker->currentColor(), QColor(Qt::black));
            EXPECT_TRUE(picker->testOption(QColorDialog::DontUseNativeDialog));
            EXPECT_FALSE(picker->testOption(QColorDialog::ShowAlphaChannel));
            act(picker);
        });
    }
};

TEST_F(ColorsTest, OkCopiesTheSwatchesCancelDoesNot) {
    ColorForm* form = openfrommenu<ColorForm>("m_colors");
    EXPECT_EQ(form->focusWidget(), form->findChild<QPushButton*>("ccc1"));
    EXPECT_EQ(form->swatch(1), 0x003038CFu);
    EXPECT_EQ(form->swatch(4), 0x006FFFFFu);
    answer([](QColorDialog* picker) {
        picker->setCurrentColor(QColor(1, 2, 3));
        picker->accept();
    });
    QTest::mouseClick(form->findChild<QPushButton*>("ccc2"), Qt::LeftButton);
    EXPECT_EQ(form->swatch(2), 0x00030201u);  // red in the low byte
    EXPECT_EQ(game().palette()[2], 0x0000FF00u);
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_EQ(game().palette()[2], 0x0000FF00u);

    form = openfrommenu<ColorForm>("m_colors");
    EXPECT_EQ(form->swatch(2), 0x0000FF00u);
    answer([](QColorDialog* picker) {
        picker->setCurrentColor(QColor(9, 8, 7));
        picker->accept();
    });
    form->pickcolor(2);
    answer([](QColorDialog* picker) { picker->reject(); });
    form->pickcolor(3);
    EXPECT_EQ(form->swatch(3), 0x00FF8000u);
    QTest::keyClick(form, Qt::Key_Return);
    EXPECT_EQ(game().palette(),
              (std::array<std::uint32_t, 5>{0, 0x003038CF, 0x00070809, 0x00FF8000, 0x006FFFFF}));
}

TEST_F(ColorsTest, CustomColoursStartBlackAndLastOneOpening) {
    QColorDialog::setCustomColor(0, Qt::white);
    ColorForm* form = openfrommenu<ColorForm>("m_colors");
    auto allblack = [] {
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            if (QColorDialog::customColor(i) != QColor(Qt::black)) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(allblack());
    answer([](QColorDialog* picker) {
        QColorDialog::setCustomColor(0, Qt::red);  // the player adds a custom colour
        picker->accept();
    });
    form->pickcolor(1);
    answer([](QColorDialog* picker) {
        EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::red));
        QColorDialog::setCustomColor(1, Qt::blue);
        picker->reject();
    });
    form->pickcolor(1);
    EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::red));
    EXPECT_EQ(QColorDialog::customColor(1), QColor(Qt::black));  // cancelled: restored
    form->close();
    openfrommenu<ColorForm>("m_colors")->close();
    EXPECT_TRUE(allblack());
    // Qt would keep the custom colours in a file of its own; the game writes only its store.
    QTest::qWait(0);
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf"));
}

TEST_F(ColorsTest, NewColoursShowAsTheEngineDrawsAgain) {
    key(Qt::Key_F2);
    key(Qt::Key_Down);
    const std::uint32_t lying = game().display().ball[14 * 6 + 2].color;
    ColorForm* form = openfrommenu<ColorForm>("m_colors");
    for (int n = 1; n <= 4; ++n) {
        answer([](QColorDialog* picker) {
            picker->setCurrentColor(QColor(10, 20, 30));
            picker->accept();
        });
        form->pickcolor(n);
    }
    QTest::keyClick(form, Qt::Key_Return);
    EXPECT_EQ(game().display().ball[14 * 6 + 2].color, lying);  // no redraw on "Ok"
    key(Qt::Key_Left);
    EXPECT_EQ(game().display().ball[game().pairy() * 6 + game().pairx()].color, 0x001E140Au);
}

// Qt's own windows, the colour picker among them, speak the game's language.
TEST(QtsOwnDialogs, AreInRussian) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Отмена");
}

TEST(ColorRef, PacksRedInTheLowByte) {
    EXPECT_EQ(colorref(QColor(207, 56, 48)), 0x003038CFu);
    EXPECT_EQ(colorref(0x006FFFFF), QColor(255, 255, 111));
}

// The rules as a Windows text, shown whole with the platform's line ends, to read only.
TEST_F(DialogTest, RulesTextIsShownWholeReadOnlyAndScrolls) {
    const QString expected = QString::fromStdString(ui::rulestext()).replace("\r\n", "\n");
    EXPECT_EQ(expected.count("\n\n"), 2) << "three paragraphs";
    RulesForm* form = openfrommenu<RulesForm>("m_rules");
    auto* t = form->findChild<QPlainTextEdit*>("t");
    EXPECT_TRUE(t->isReadOnly());
    EXPECT_EQ(t->toPlainText(), expected);
    EXPECT_EQ(t->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* close = form->findChild<QPushButton*>("Command1");
    EXPECT_EQ(form->focusWidget(), close);
    // Tab goes into the text and out again; Enter there presses "Закрыть".
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), t);
    QTest::keyClick(t, Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), close);
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(t, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(DialogTest, AboutTextHasSixLines) {
    const QString mm = QString::fromStdString(ui::abouttext());
    EXPECT_EQ(mm.count("\r\n"), 5);
    EXPECT_FALSE(mm.endsWith("\r\n"));
    AboutForm* form = openfrommenu<AboutForm>("m_about");
    EXPECT_EQ(form->findChild<QLabel*>("mm")->text(), QString(mm).replace("\r\n", "\n"));
    EXPECT_FALSE(form->findChild<QLabel*>("Image1")->pixmap().isNull());
    form->close();
}

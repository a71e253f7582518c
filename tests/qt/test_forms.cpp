// Every window as built, against its description: a control moved, hidden, left without its
// caption, made or unmade the default, or put out of the tab order by mistake fails here,
// whichever control and window it is. A control added to the description is checked with no
// new test.
#include <QAbstractButton>
#include <QPushButton>

#include "Controls.h"
#include "Forms.h"
#include "GameSetup.h"
#include "GuiTest.h"
#include "OverForm.h"
#include "StateShown.h"

namespace {

// Twips to pixels at 96 dots an inch, worked out here rather than by the program's own helper.
QRect pixels(const ui::Rect& r) {
    const auto px = [](int twips) { return (twips + 7) / 15; };
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

}  // namespace

class FormsTest : public GuiTest {
protected:
    void walk(QWidget* client, const ui::Form& form, bool recordmode = false) {
        SCOPED_TRACE(form.name.data());
        EXPECT_EQ(client->size(), pixels({0, 0, form.width, form.height}).size());
        QList<QWidget*> taborder;
        QWidget* focus = nullptr;
        for (const ui::Control& c : form.controls) {
            for (int i = 0; i < c.count; ++i) {
                SCOPED_TRACE(controlname(c, i).toStdString());
                const std::optional<bool> state = stateshown(game(), form, c, i, recordmode);
                // A control hidden with nothing to show it is lost to the player.
                EXPECT_TRUE(state.has_value() || !c.has(ui::kHidden));
                EXPECT_LE(client->findChildren<QWidget*>(controlname(c, i)).size(), 1);
                auto* widget = client->findChild<QWidget*>(controlname(c, i));
                if (widget == nullptr) {
                    continue;  // painted by the window itself: its pictures show it
                }
                const bool shown = state.value_or(true);
                EXPECT_EQ(widget->isVisibleTo(client), shown);
                EXPECT_TRUE(widget->isEnabled());
                // A rule stands astride its line, the icon and the progress bar take their own
                // size: their pictures show those.
                if (c.kind == ui::Kind::Picture || c.kind == ui::Kind::Hatched) {
                    EXPECT_EQ(widget->pos(), pixels(c.at(i)).topLeft());
                } else if (c.kind != ui::Kind::Rule) {
                    EXPECT_EQ(widget->geometry(), pixels(c.at(i)));
                }
                if (auto* button = qobject_cast<QPushButton*>(widget)) {
                    EXPECT_EQ(button->isDefault(), c.has(ui::kDefault));
                    if (!c.caption.empty()) {
                        EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
                    }
                }
                if (takesfocus(c) && shown) {
                    taborder.append(widget);
                }
                if (c.has(ui::kFocus) && i == 0 && shown) {
                    focus = widget;
                }
            }
        }
        // The keyboard goes round the controls in the description's order.
        for (qsizetype n = 0; n + 1 < taborder.size(); ++n) {
            QWidget* next = taborder[n]->nextInFocusChain();
            while (next != taborder[n + 1] &&
                   !(next->isVisibleTo(client) && next->focusPolicy() & Qt::TabFocus)) {
                next = next->nextInFocusChain();
            }
            EXPECT_EQ(next, taborder[n + 1]) << "after " << taborder[n]->objectName().toStdString();
        }
        if (focus != nullptr) {
            EXPECT_EQ(client->focusWidget(), focus);
        }
    }
};

TEST_F(FormsTest, EveryWindowStandsAsDesigned) {
    walk(window->centralWidget(), ui::mainform);  // idle
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    key(Qt::Key_F2);
    walk(window->centralWidget(), ui::mainform);  // a game under way
    key(Qt::Key_P);
    walk(window->centralWidget(), ui::mainform);  // paused

    const std::pair<const char*, const ui::Form*> menuforms[] = {
        {"m_topscores", &ui::topscores}, {"m_colors", &ui::colorform}, {"m_keys", &ui::keys},
        {"m_rules", &ui::rules},         {"m_about", &ui::about},
    };
    for (const auto& [item, form] : menuforms) {
        action(item)->trigger();
        Form* open = openwindow<Form>();
        ASSERT_NE(open, nullptr) << item;
        EXPECT_EQ(open->windowTitle(), QString::fromUtf8(form->caption));
        EXPECT_FALSE(open->windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        walk(open, *form);
        open->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    }

    // Game over, without a record and with one.
    for (const std::int64_t score : {0, 500}) {
        setrecords(score == 0 ? 1 : 0);
        key(Qt::Key_F2);
        for (int y = 2; y < 15; ++y) {
            set(game()).board[2][y] = static_cast<std::int16_t>(1 + y % 2);
        }
        set(game()).display.score = score;
        key(Qt::Key_Down);
        auto* over = openwindow<OverForm>();
        ASSERT_NE(over, nullptr);
        walk(over, ui::overform, score > 0);
        over->close();
        QTest::qWait(0);
        if (Form* table = openwindow<Form>()) {
            table->close();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
        QTest::qWait(300);  // keys sooner after a game's end are thrown away
    }
}

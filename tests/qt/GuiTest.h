#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Game.h"
#include "GameSetup.h"
#include "MainWindow.h"
#include "QtSettingsStore.h"

// A real main window, offscreen, over a settings file of its own.
class GuiTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<QtSettingsStore> store;
    std::unique_ptr<MainWindow> window;

    GuiTest() { open(); }
    ~GuiTest() override {
        window.reset();
        QTest::qWait(0);  // let closed windows delete themselves
    }

    QString inifile() const { return dir.filePath("Tarvelo.conf"); }

    void open() {
        window.reset();
        store = std::make_unique<QtSettingsStore>(inifile());
        window = std::make_unique<MainWindow>(*store);
        window->game().setanim(false);  // blinks take real time in a window
        window->render();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    Game& game() { return window->game(); }

    // A game started with the Animation option, two balls of the first colour at the foot of
    // column 2 and a pair of that colour over them: the drop key removes four with a blink.
    void startwithagroupready() {
        game().setanim(true);
        key(Qt::Key_F2);
        set(game()).board[2][13] = set(game()).board[2][14] = 1;
        game().drawboard();
        set(game()).paircolor1 = set(game()).paircolor2 = 1;
    }

    // The top ten as a run before this one stored it; the options stay as they are.
    void setrecords(std::int32_t score, std::array<std::string, 10> names = {}) {
        for (int n = 1; n <= 10; ++n) {
            const std::string& name = names[n - 1];
            store->write("TopScores", "Record " + std::to_string(n), std::to_string(score));
            store->write("TopScores", "Name " + std::to_string(n), name.empty() ? "-" : name);
        }
        const bool anim = game().anim();
        game().loadsettings(*store);
        game().setanim(anim);
    }
    template <typename T = QWidget>
    T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    bool shown(const char* name) const { return find<QWidget>(name)->isVisible(); }
    QTimer* timer1() const { return window->findChild<QTimer*>("Timer1"); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), k, modifiers);
    }

    // The widgets of a control array: "names0", "names1" and so on.
    template <typename T>
    static QList<T*> elements(const QWidget* form, const QString& name, int count) {
        QList<T*> found;
        for (int i = 0; i < count; ++i) {
            found.append(form->findChild<T*>(name + QString::number(i)));
        }
        return found;
    }

    // The top-level window of ours that is open besides the main window, if any.
    template <typename T = QWidget>
    T* openwindow() const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != window.get() && w->isVisible() && qobject_cast<T*>(w) != nullptr) {
                return qobject_cast<T*>(w);
            }
        }
        return nullptr;
    }
};

// Each command changes only what it names: every menu item, shortcut and button, from idle, in
// play and paused, against the whole of what a player could see change in the main window,
// the windows open over it and the settings file.
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <string>

#include "CommandTable.h"
#include "GuiTest.h"

class CommandsTest : public GuiTest {
protected:
    Seen seen() {
        Seen s;
        for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
            for (QAction* a : menu->actions()) {
                if (a->isSeparator()) {
                    continue;
                }
                const bool option = a->isCheckable();
                s[(option ? "option:" : "game:") + a->objectName().toStdString()] =
                    std::string(a->isEnabled() ? "enabled" : "grey") +
                    (a->isChecked() ? " checked" : "");
            }
        }
        for (const char* label : {"score", "col", "level", "info"}) {
            s[std::string("game:") + label] =
                shown(label) ? find<QLabel>(label)->text().toStdString() : "hidden";
        }
        for (const char* button : {"Command1", "Command2"}) {
            s[std::string("game:") + button] = shown(button) ? "shown" : "hidden";
        }
        s["game:clock"] = timer1()->isActive() ? "running" : "stopped";
        s["game:pair"] = std::to_string(game().pairx()) + "," + std::to_string(game().pairy());
        s["game:next"] = std::to_string(game().display().next[0]);
        s["window:main"] = window->isEnabled() ? "enabled" : "disabled";
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != window.get() && w->isVisible()) {
                s["window:" + w->windowTitle().toStdString()] = "open";
            }
        }
        const QtSettingsStore now(inifile());
        for (const auto& [section, key] : storerows()) {
            s["store:" + section + "/" + key] = now.read(section, key).value_or("(none)");
        }
        return s;
    }

    // Gives the command as the player would; false when the player could not give it now.
    bool give(const std::string& name) {
        if (name == "F2") {
            key(Qt::Key_F2);
        } else if (name == "Ctrl+H") {
            key(Qt::Key_H, Qt::ControlModifier);
        } else if (name == "Ctrl+X") {
            key(Qt::Key_X, Qt::ControlModifier);
        } else if (name == "Command1" || name == "Command2") {
            if (!shown(name.c_str())) {
                return false;
            }
            QTest::mouseClick(find<QPushButton>(name.c_str()), Qt::LeftButton);
        } else {
            QAction* item = action(name.c_str());
            if (!item->isEnabled()) {
                return false;
            }
            item->trigger();
        }
        return true;
    }
};

TEST_F(CommandsTest, EachCommandChangesOnlyWhatItNames) {
    for (const char* state : {"idle", "play", "paused"}) {
        for (const Command& command : commands()) {
            SCOPED_TRACE(std::string(state) + ", " + command.name);
            QFile::remove(inifile());
            open();
            if (std::string(state) != "idle") {
                key(Qt::Key_F2);
            }
            if (std::string(state) == "paused") {
                key(Qt::Key_P);
            }
            QSignalSpy ended(window.get(), &MainWindow::programended);
            const Seen before = seen();
            if (!give(command.name)) {
                continue;
            }
            for (const std::string& wrong : wrongchanges(command, state, before, seen())) {
                ADD_FAILURE() << wrong;
            }
            EXPECT_EQ(ended.count(), command.changes.contains("store") ? 1 : 0);
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w != window.get() && w->isVisible()) {
                    w->close();
                }
            }
        }
    }
}

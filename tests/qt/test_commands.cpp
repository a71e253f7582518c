// Each command changes only what it names: every menu item, shortcut and button, from idle, in
// play and paused, against the whole of what a player could see change in the main window,
// the windows open over it and the settings file.
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "GuiTest.h"

namespace {

// What the player sees, by what it belongs to: the game ("game:"), the options ("option:"), the
// windows over the main one ("window:") and the settings file ("store:").
using Seen = std::map<std::string, std::string>;

struct Command {
    std::string name;               // a menu item's, a shortcut's or a button's
    std::set<std::string> changes;  // what it may change: kinds, or the start of a name
    std::string must;               // what it must change
    std::string from = {};          // the state it must change it from, if only from one
};

}  // namespace

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
        QFile file(inifile());
        s["store:"] = file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
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
    const std::vector<Command> commands{
        {"m_newgame", {"game"}, "game:clock", "idle"},
        {"F2", {"game"}, "game:clock", "idle"},
        {"m_pause", {"game"}, "game:Command2", "play"},
        {"m_topscores", {"game", "window"}, "window:Десятка лучших результатов"},
        {"Ctrl+H", {"game", "window"}, "window:Десятка лучших результатов"},
        {"m_exit", {"store"}, "store:"},
        {"Ctrl+X", {"store"}, "store:"},
        {"m_level1", {"option:m_level"}, ""},
        {"m_level5", {"option:m_level"}, "option:m_level5"},
        {"m_sound", {"option:m_sound"}, "option:m_sound"},
        {"m_anim", {"option:m_anim"}, "option:m_anim"},
        {"m_colors", {"game", "window"}, "window:Цвета"},
        {"m_keys", {"game", "window"}, "window:Клавиши"},
        {"m_rules", {"game", "window"}, "window:Правила"},
        {"m_about", {"game", "window"}, "window:О программе"},
        {"Command1", {"game"}, "game:clock"},
        {"Command2", {"game"}, "game:clock"},
    };
    for (const char* state : {"idle", "play", "paused"}) {
        for (const Command& command : commands) {
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
            const Seen after = seen();
            std::set<std::string> keys;
            for (const auto& [what, value] : before) {
                keys.insert(what);
            }
            for (const auto& [what, value] : after) {
                keys.insert(what);
            }
            for (const std::string& what : keys) {
                const bool changed = !before.contains(what) || !after.contains(what) ||
                                     before.at(what) != after.at(what);
                const bool named = std::any_of(
                    command.changes.begin(), command.changes.end(), [&](const std::string& may) {
                        return what.starts_with(may.find(':') == std::string::npos ? may + ":"
                                                                                   : may);
                    });
                EXPECT_TRUE(!changed || named) << what << " changed";
            }
            if (!command.must.empty() && (command.from.empty() || command.from == state)) {
                EXPECT_TRUE(!before.contains(command.must) || !after.contains(command.must) ||
                            before.at(command.must) != after.at(command.must))
                    << command.must << " did not change";
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

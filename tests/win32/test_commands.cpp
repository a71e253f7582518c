// Each command changes only what it names: every menu item, shortcut and button, from idle, in
// play and paused, against the whole of what a player could see change in the main window,
// the windows open over it and the registry.
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "Menus.h"
#include "StoreRows.h"
#include "Utf.h"
#include "WindowsTest.h"

namespace {

// What the player sees, by what it belongs to: the game ("game:"), the options ("option:"), the
// windows over the main one ("window:") and the registry ("store:").
using Seen = std::map<std::string, std::string>;

struct Command {
    std::string name;               // a menu item's with its index, a shortcut's or a button's
    std::set<std::string> changes;  // what it may change: kinds, or the start of a name
    std::string must;               // what it must change
    std::string from = {};          // the state it must change it from, if only from one
};

// Every value the store holds.
std::vector<std::pair<std::string, std::string>> storerows() {
    std::vector<std::pair<std::string, std::string>> rows{
        {std::string(ui::kOptions), std::string(ui::kSound)},
        {std::string(ui::kOptions), std::string(ui::kAnimation)},
        {std::string(ui::kOptions), std::string(ui::kLevel)}};
    for (int n = 1; n <= 4; ++n) {
        rows.emplace_back(ui::kColors, ui::colorkey(n));
    }
    for (std::string_view key : ui::kKeyNames) {
        rows.emplace_back(ui::kKeys, key);
    }
    for (int n = 1; n <= 10; ++n) {
        rows.emplace_back(ui::kTopScores, ui::recordkey(n));
        rows.emplace_back(ui::kTopScores, ui::namekey(n));
    }
    return rows;
}

}  // namespace

class CommandsTest : public WindowsTest {
protected:
    void reopen() {
        looping = nullptr;
        window.reset();
        store.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, storekey.c_str());
        store = std::make_unique<RegistryStore>(storekey);
        window = std::make_unique<GameWindow>(*store, TARVELO_SOUNDS_DIR);
        game().setanim(false);
        window->render();
        looping = window.get();
        SetForegroundWindow(main());
        pump();
    }

    Seen seen() {
        Seen s;
        const HMENU bar = GetMenu(main());
        for (const ui::Menu& menu : ui::mainmenu) {
            for (const ui::MenuItem& item : menu.items) {
                if (item.separator()) {
                    continue;
                }
                const UINT state = GetMenuState(
                    bar, static_cast<UINT>(window->commandid(item.name, item.index)), MF_BYCOMMAND);
                std::string name = std::string(item.checkable ? "option:" : "game:") +
                                   std::string(item.name) +
                                   (item.index > 0 ? std::to_string(item.index) : "");
                s[name] = std::string((state & MF_GRAYED) != 0 ? "grey" : "enabled") +
                          ((state & MF_CHECKED) != 0 ? " checked" : "");
            }
        }
        const DisplayState& d = game().display();
        const auto counter = [&](std::int64_t value) {
            return d.countersvisible ? std::to_string(value) : "hidden";
        };
        s["game:score"] = counter(d.score);
        s["game:col"] = counter(d.col);
        s["game:level"] = counter(d.level);
        s["game:info"] = d.infovisible ? d.info : "hidden";
        for (const char* button : {"Command1", "Command2"}) {
            s[std::string("game:") + button] =
                IsWindowVisible(window->control(button)) ? "shown" : "hidden";
        }
        s["game:clock"] = game().clock().running ? "running" : "stopped";
        s["game:pair"] = std::to_string(game().pairx()) + "," + std::to_string(game().pairy());
        s["game:next"] = std::to_string(d.next[0]);
        s["window:main"] = IsWindowEnabled(main()) ? "enabled" : "disabled";
        for (HWND open : others()) {
            s["window:" + narrow(title(open))] = "open";
        }
        RegistryStore now(storekey);
        for (const auto& [section, key] : storerows()) {
            s["store:" + section + "/" + key] = now.read(section, key).value_or("(none)");
        }
        return s;
    }

    std::vector<HWND> others() const {
        std::vector<HWND> found;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM list) {
                if (IsWindowVisible(hwnd)) {
                    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        std::erase(found, main());
        return found;
    }

    // Gives the command as the player would; false when the player could not give it now.
    bool givecommand(const std::string& name) {
        if (name == "F2") {
            give({{{VK_F2}}});
        } else if (name == "Ctrl+H") {
            give({{{VK_CONTROL, 'H'}}});
        } else if (name == "Ctrl+X") {
            give({{{VK_CONTROL, 'X'}}});
        } else if (name == "Command1" || name == "Command2") {
            const HWND button = window->control(name);
            if (!IsWindowVisible(button)) {
                return false;
            }
            click(button);
        } else {
            const std::size_t digit = name.find_first_of("0123456789");
            const std::string item = name.substr(0, digit);
            const int index = digit == std::string::npos ? 0 : std::stoi(name.substr(digit));
            const auto id = static_cast<UINT>(window->commandid(item, index));
            if ((GetMenuState(GetMenu(main()), id, MF_BYCOMMAND) & MF_GRAYED) != 0) {
                return false;
            }
            menu(item, index);
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
        {"m_exit", {"store"}, "store:Options/Sound"},
        {"Ctrl+X", {"store"}, "store:Options/Sound"},
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
            reopen();
            if (std::string(state) != "idle") {
                menu("m_newgame");
            }
            if (std::string(state) == "paused") {
                menu("m_pause");
            }
            const Seen before = seen();
            if (!givecommand(command.name)) {
                continue;
            }
            const Seen after = seen();
            for (const auto& [what, value] : after) {
                const bool changed = !before.contains(what) || before.at(what) != value;
                const bool named = std::any_of(
                    command.changes.begin(), command.changes.end(), [&](const std::string& may) {
                        return what.starts_with(may.find(':') == std::string::npos ? may + ":"
                                                                                   : may);
                    });
                EXPECT_TRUE(!changed || named) << what << " changed";
            }
            for (const auto& [what, value] : before) {
                EXPECT_TRUE(after.contains(what) || what.starts_with("window:")) << what;
            }
            if (!command.must.empty() && (command.from.empty() || command.from == state)) {
                EXPECT_TRUE(!before.contains(command.must) || !after.contains(command.must) ||
                            before.at(command.must) != after.at(command.must))
                    << command.must << " did not change";
            }
            for (HWND open : others()) {
                SendMessageW(open, WM_CLOSE, 0, 0);
                pump();
            }
        }
    }
}

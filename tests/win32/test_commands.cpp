// Each command changes only what it names: every menu item, shortcut and button, from idle, in
// play and paused, against the whole of what a player could see change in the main window,
// the windows open over it and the registry.
#include <string>
#include <vector>

#include "CommandTable.h"
#include "Menus.h"
#include "Utf.h"
#include "WindowsTest.h"

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
    for (const char* state : {"idle", "play", "paused"}) {
        for (const Command& command : commands()) {
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
            for (const std::string& wrong : wrongchanges(command, state, before, seen())) {
                ADD_FAILURE() << wrong;
            }
            for (HWND open : others()) {
                SendMessageW(open, WM_CLOSE, 0, 0);
                pump();
            }
        }
    }
}

#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The main window's menu.
namespace ui {

// What a menu item does; the main form carries it out.
enum class Command {
    NewGame,
    Pause,
    TopScores,
    Exit,
    Level,
    Sound,
    Animation,
    Colors,
    Keys,
    Rules,
    About
};

// A menu item's key: its virtual-key code, with Ctrl or without, and how the menu writes it
// (the portable form both toolkits read).
struct Shortcut {
    std::int32_t key = 0;  // none
    bool ctrl = false;
    std::string_view text;
};

struct MenuItem {
    std::string_view name;  // empty for a separator
    std::string_view caption;
    Command command = Command::NewGame;
    int index = 0;  // of an item in a control array: m_level(1) to m_level(8)
    Shortcut shortcut{};
    bool checkable = false;

    bool separator() const { return name.empty(); }
};

struct Menu {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuItem> items;
};

extern const std::span<const Menu> mainmenu;

}  // namespace ui

#include "Menus.h"

namespace ui {

namespace {

using enum Command;

constexpr Shortcut kF2{.key = 0x71, .text = "F2"};
constexpr Shortcut kCtrlH{.key = 'H', .ctrl = true, .text = "Ctrl+H"};
constexpr Shortcut kCtrlX{.key = 'X', .ctrl = true, .text = "Ctrl+X"};

constexpr MenuItem kGame[] = {
    {.name = "m_newgame", .caption = "&Новая", .command = NewGame, .shortcut = kF2},
    {.name = "m_pause", .caption = "&Пауза", .command = Pause},
    {},
    {.name = "m_topscores", .caption = "&Рекорды", .command = TopScores, .shortcut = kCtrlH},
    {},
    {.name = "m_exit", .caption = "Вы&ход", .command = Exit, .shortcut = kCtrlX},
};

constexpr MenuItem kLevels[] = {
    {.name = "m_level", .caption = "&1", .command = Level, .index = 1, .checkable = true},
    {.name = "m_level", .caption = "&2", .command = Level, .index = 2, .checkable = true},
    {.name = "m_level", .caption = "&3", .command = Level, .index = 3, .checkable = true},
    {.name = "m_level", .caption = "&4", .command = Level, .index = 4, .checkable = true},
    {.name = "m_level", .caption = "&5", .command = Level, .index = 5, .checkable = true},
    {.name = "m_level", .caption = "&6", .command = Level, .index = 6, .checkable = true},
    {.name = "m_level", .caption = "&7", .command = Level, .index = 7, .checkable = true},
    {.name = "m_level", .caption = "&8", .command = Level, .index = 8, .checkable = true},
};

constexpr MenuItem kOptions[] = {
    {.name = "m_sound", .caption = "&Звук", .command = Sound, .checkable = true},
    {.name = "m_anim", .caption = "&Анимация", .command = Animation, .checkable = true},
    {.name = "m_colors", .caption = "&Цвета", .command = Colors},
    {.name = "m_keys", .caption = "&Клавиши", .command = Keys},
};

constexpr MenuItem kHelp[] = {
    {.name = "m_rules", .caption = "&Правила", .command = Rules},
    {},
    {.name = "m_about", .caption = "&О программе", .command = About},
};

constexpr Menu kMenus[] = {
    {"m_game", "&Игра", kGame},
    {"m_beglevel", "Нач. &уровень", kLevels},
    {"m_options", "&Настройки", kOptions},
    {"m_hehelp", "&Справка", kHelp},
};

}  // namespace

const std::span<const Menu> mainmenu = kMenus;

}  // namespace ui

#include "Menus.h"

namespace ui {

namespace {

using enum Command;

constexpr MenuItem kGame[] = {
    {"m_newgame", "&Новая", NewGame, 0, Shortcut::F2},
    {"m_pause", "&Пауза", Pause},
    {},
    {"m_topscores", "&Рекорды", TopScores, 0, Shortcut::CtrlH},
    {},
    {"m_exit", "Вы&ход", Exit, 0, Shortcut::CtrlX},
};

constexpr MenuItem kLevels[] = {
    {"m_level", "&1", Level, 1, Shortcut::None, true},
    {"m_level", "&2", Level, 2, Shortcut::None, true},
    {"m_level", "&3", Level, 3, Shortcut::None, true},
    {"m_level", "&4", Level, 4, Shortcut::None, true},
    {"m_level", "&5", Level, 5, Shortcut::None, true},
    {"m_level", "&6", Level, 6, Shortcut::None, true},
    {"m_level", "&7", Level, 7, Shortcut::None, true},
    {"m_level", "&8", Level, 8, Shortcut::None, true},
};

constexpr MenuItem kOptions[] = {
    {"m_sound", "&Звук", Sound, 0, Shortcut::None, true},
    {"m_anim", "&Анимация", Animation, 0, Shortcut::None, true},
    {"m_colors", "&Цвета", Colors},
    {"m_keys", "&Клавиши", Keys},
};

constexpr MenuItem kHelp[] = {
    {"m_rules", "&Правила", Rules},
    {},
    {"m_about", "&О программе", About},
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

#pragma once

#include "Game.h"
#include "Menus.h"

// How the main menu shows the game: the options and the starting level checked, "&Пауза" only
// while a game is under way.
bool checked(const Game& game, const ui::MenuItem& item);
bool enabled(const Game& game, const ui::MenuItem& item);

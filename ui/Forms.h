#pragma once

#include "Layout.h"

// The seven windows of the game.
namespace ui {

extern const Form mainform;  // "Tarvelo": the well, the preview, the counters, the buttons
extern const Form overform;  // "GameOver": the result, and the name for a record
extern const Form topscores;  // "Десятка лучших результатов": the ten best results
extern const Form colorform;  // "Цвета": the four ball colours
extern const Form keys;       // "Клавиши": the four game keys
extern const Form rules;      // "Правила"
extern const Form about;      // "О программе"

}  // namespace ui

#pragma once

#include "Form.h"

class Game;

// "Десятка лучших результатов": the ten best scores with their names.
class TopScoresForm : public Form {
    Q_OBJECT
public:
    TopScoresForm(const Game& game, QWidget* parent);
};

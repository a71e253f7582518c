#pragma once

#include "Form.h"

class Game;

// "Десятка лучших результатов": the ten best scores with their names.
class TopScores : public Form {
    Q_OBJECT
public:
    TopScores(const Game& game, QWidget* parent);
};

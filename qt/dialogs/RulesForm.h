#pragma once

#include "Form.h"

// "Правила": the rules of the game.
class RulesForm : public Form {
    Q_OBJECT
public:
    explicit RulesForm(QWidget* parent);
};

#pragma once

#include <array>

#include "Form.h"
#include "KeyChoice.h"

class Game;
class KeyField;

// "Клавиши": rebinding the four game keys by pressing them.
class KeysForm : public Form {
    Q_OBJECT
public:
    KeysForm(Game& game, QWidget* parent);

    // The four capture fields: left, right, rotate, drop.
    const std::array<KeyField*, 4>& fields() const { return fields_; }
    const KeyChoice& choice() const { return choice_; }

signals:
    void beeped();

private:
    KeyChoice choice_;
    std::array<KeyField*, 4> fields_{};
};

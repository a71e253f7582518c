#pragma once

#include "Form.h"

class Game;
class QLabel;
class QLineEdit;

// "GameOver": the final score and level, and in record mode the player's name.
class OverForm : public Form {
    Q_OBJECT
public:
    OverForm(const Game& game, QWidget* parent);

    // Record mode is exactly while the name box is shown.
    void setrecordmode(bool on);
    bool recordmode() const;

signals:
    // "Ok", with the name box's text.
    void ok(const QString& name);

protected:
    bool event(QEvent* event) override;

private:
    void focusname();

    QLabel* label4_;
    QLineEdit* yourname_;
};

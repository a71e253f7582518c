#pragma once

#include <QWidget>

class Game;

// Progress towards the next level: the hatched bar over its light yellow frame.
class ProgressBar : public QWidget {
    Q_OBJECT
public:
    ProgressBar(const Game& game, QWidget* parent);

    int filledwidth() const;  // device-independent pixels

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Game& game_;
};

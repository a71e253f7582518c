#pragma once

#include <QWidget>

class Game;

// The well: its background, the 90 cells and the two column markers, painted from the
// engine's display state.
class Well : public QWidget {
    Q_OBJECT
public:
    Well(const Game& game, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Game& game_;
};

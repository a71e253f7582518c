#pragma once

#include <QWidget>

class Game;

// The next pair: two circles on a light yellow cell.
class Preview : public QWidget {
    Q_OBJECT
public:
    Preview(const Game& game, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Game& game_;
};

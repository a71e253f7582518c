#pragma once

#include <QWidget>

// A light yellow cell with a thin outline, behind a value. Painted rather than a filled label:
// Qt's own Wayland title bar leaves a filled label's background transparent in a floating
// window.
class Cell : public QWidget {
public:
    Cell(QWidget* parent, QRect geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

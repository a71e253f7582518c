#pragma once

#include <QWidget>

// A light yellow box with a thin outline, behind a value. Painted rather than a filled label:
// Qt's own Wayland title bar leaves a filled label's background transparent in a floating
// window.
class ValueBox : public QWidget {
public:
    ValueBox(QWidget* parent, QRect geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

#include "Controls.h"

#include <QLabel>
#include <QPushButton>

#include "DisplayState.h"
#include "Twips.h"

QLabel* makelabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment, double points) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    if (points > 0) {
        QFont font = label->font();
        font.setPointSizeF(points);
        label->setFont(font);
    }
    return label;
}

QLabel* makecell(QWidget* parent, QRect geometry) {
    auto* cell = new QLabel(parent);
    cell->setGeometry(geometry);
    cell->setFrameShape(QFrame::Box);
    cell->setAutoFillBackground(true);
    QPalette colors = cell->palette();
    colors.setColor(QPalette::Window, colorref(DisplayState::kWellColor));
    colors.setColor(QPalette::WindowText, Qt::black);  // the outline, as every shape's
    cell->setPalette(colors);
    return cell;
}

QPushButton* makebutton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QFrame* makerule(QWidget* parent, int left, int right, int y) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(2);
    line->setGeometry(tw(left), tw(y) - 1, tw(right) - tw(left), 2);
    return line;
}

#include "Controls.h"

#include <QLabel>
#include <QPushButton>

#include "Cell.h"
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

QWidget* makecell(QWidget* parent, QRect geometry) {
    return new Cell(parent, geometry);
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

#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "Layout.h"

// The name a control's widget goes by: its designer's name, with the index for an element of
// a control array ("ccc2", "names0").
QString controlname(const ui::Control& control, int i);

// Builds a form's labels, buttons, text boxes, value boxes, rules and pictures on parent, in
// tab order, placed in pixels. Labels show plain text: a player's name is never markup. Every
// other kind (shapes, circles, key fields) is its owner's, asked of make at its place in the
// order, once for each element.
using ControlMaker = std::function<void(const ui::Control& control, int i)>;
void buildcontrols(QWidget* parent, const ui::Form& form, const ControlMaker& make = {});

// The widget built for a control, or for an element of a control array.
template <typename T>
T* control(const QWidget* parent, const ui::Control& c, int i = 0) {
    return parent->findChild<T*>(controlname(c, i), Qt::FindDirectChildrenOnly);
}

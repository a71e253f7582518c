#include "KeyField.h"

#include <QKeyEvent>

#include "KeyCode.h"
#include "KeyNames.h"

KeyField::KeyField(const QString& name, QWidget* parent) : QLineEdit(name, parent) {
    setReadOnly(true);
    // The Menu key would open a context menu that swallows the keys after it; it is a key to bind.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void KeyField::keyPressEvent(QKeyEvent* event) {
    emit keypressed(keycode(*event).value_or(-1));
    event->accept();  // Enter and Escape are keys to bind here, not dialog commands
}

// A capture field shows a name, not text to edit: no selection when the focus arrives.
void KeyField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    deselect();
}

// Keep shortcuts such as Ctrl+A from taking keys the player wants to capture.
bool KeyField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

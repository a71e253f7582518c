#include "KeyField.h"

#include <QKeyEvent>

#include "KeyCode.h"
#include "KeyNames.h"

KeyField::KeyField(std::int32_t binding, QWidget* parent)
    : QLineEdit(QString::fromStdString(ui::keyname(binding)), parent), pending_(binding) {
    setReadOnly(true);
    // The Menu key would open a context menu that swallows the keys after it; it is a key to bind.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void KeyField::keyPressEvent(QKeyEvent* event) {
    const auto code = keycode(*event);
    const QString name = code ? QString::fromStdString(ui::keyname(*code)) : QString();
    if (name.isEmpty()) {
        emit refused();
    } else {
        setText(name);
        pending_ = static_cast<std::int32_t>(*code);
    }
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

#include "Form.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "Controls.h"
#include "Twips.h"

Form::Form(QWidget* parent, const ui::Form& form)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form_(form) {
    setObjectName(QString::fromUtf8(form.name));
    setWindowTitle(QString::fromUtf8(form.caption));
    setFixedSize(tw(form.width), tw(form.height));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // A window opened over the disabled main window must still take input.
    setEnabled(true);
}

// Esc reaches reject() and never sends a close event, so the unload work lives here,
// where the buttons, Esc and the close box all arrive. It comes before the window hides: the
// main window is enabled by then, and the keyboard can go back to it.
void Form::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        emit unloaded(result);
    }
    QDialog::done(result);
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    for (const ui::Control& c : form_.controls) {
        if (c.has(ui::kCancel)) {
            control<QPushButton>(this, c)->click();
            return;
        }
    }
    event->ignore();  // a form without a cancel button takes Esc as a key like any other
}

// Centred over the window that opened it. Qt's own placement guesses the frames and comes out off
// centre, or pushed under the top bar, where the window manager draws them thin (GNOME); the
// frame of the window that opened it is the best guess for ours.
void Form::setVisible(bool visible) {
    if (visible && !testAttribute(Qt::WA_Moved) && parentWidget() != nullptr) {
        const QWidget* owner = parentWidget()->window();
        const QMargins frame =
            owner->windowHandle() != nullptr ? owner->windowHandle()->frameMargins() : QMargins();
        const QSize outer = size().grownBy(frame);
        QRect place(owner->frameGeometry().center() - QPoint(outer.width(), outer.height()) / 2,
                    outer);
        if (const QScreen* screen = owner->screen()) {
            const QRect room = screen->availableGeometry();
            place.moveLeft(std::clamp(place.left(), room.left(), room.right() - outer.width() + 1));
            place.moveTop(std::clamp(place.top(), room.top(), room.bottom() - outer.height() + 1));
        }
        move(place.topLeft());
    }
    QDialog::setVisible(visible);
}

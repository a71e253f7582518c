#include "Form.h"

#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "Twips.h"

Form::Form(QWidget* parent, const QString& caption, int width, int height)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(caption);
    setFixedSize(tw(width), tw(height));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // A window opened over the disabled main window must still take input.
    setEnabled(true);
}

// Esc reaches reject() and never sends a close event, so the unload work lives here,
// where the buttons, Esc and the close box all arrive.
void Form::done(int result) {
    QDialog::done(result);
    if (!unloaded_) {
        unloaded_ = true;
        emit unloaded(result);
    }
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

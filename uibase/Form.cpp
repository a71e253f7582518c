#include "Form.h"

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

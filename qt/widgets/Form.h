#pragma once

#include <QDialog>

#include "Layout.h"

// A secondary window: fixed size as designed, a close box and no minimise or maximise button,
// created afresh for each opening and discarded when it closes. Enter presses its default
// button and Esc its cancel button, where it has them.
class Form : public QDialog {
    Q_OBJECT
public:
    Form(QWidget* parent, const ui::Form& form);

    const ui::Form& design() const { return form_; }
    void setVisible(bool visible) override;

signals:
    // The window has closed, however that happened: a button, Enter, Esc or the close box.
    void unloaded(int result);

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const ui::Form& form_;
    bool unloaded_ = false;
};

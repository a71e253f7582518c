#pragma once

#include <QDialog>

// A secondary window: fixed size in twips, a close box and no minimise or maximise button,
// created afresh for each opening and discarded when it closes.
class Form : public QDialog {
    Q_OBJECT
public:
    Form(QWidget* parent, const QString& caption, int width, int height);

    void setVisible(bool visible) override;

signals:
    // The window has closed, however that happened: a button, Enter, Esc or the close box.
    void unloaded(int result);

protected:
    void done(int result) override;

private:
    bool unloaded_ = false;
};

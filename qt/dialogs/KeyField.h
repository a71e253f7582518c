#pragma once

#include <QLineEdit>
#include <cstdint>

// A field that takes no typed text: it reports the key pressed in it and shows the name it is
// given.
class KeyField : public QLineEdit {
    Q_OBJECT
public:
    KeyField(const QString& name, QWidget* parent);

signals:
    // The key's virtual-key code, or -1 for a key that has none.
    void keypressed(qint64 code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

#pragma once

#include <QLineEdit>
#include <cstdint>

// A field that takes no typed text: it captures the key pressed in it and shows its name.
class KeyField : public QLineEdit {
    Q_OBJECT
public:
    KeyField(std::int32_t binding, QWidget* parent);

    std::int32_t pending() const { return pending_; }

signals:
    // A key without a name was pressed; nothing changed.
    void refused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    std::int32_t pending_;
};

#pragma once

#include <QObject>
#include <QTimer>

// Keeps every key from every window of the program for a moment: keys a player is still
// pressing for one window that has just gone must not reach the one that took its place.
class KeyBlackout : public QObject {
public:
    explicit KeyBlackout(QObject* parent = nullptr);

    void start(int milliseconds);
    bool active() const { return timer_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer timer_;
};

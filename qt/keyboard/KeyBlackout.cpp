#include "KeyBlackout.h"

#include <QCoreApplication>
#include <QEvent>

KeyBlackout::KeyBlackout(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this,
            [this] { QCoreApplication::instance()->removeEventFilter(this); });
}

void KeyBlackout::start(int milliseconds) {
    if (!timer_.isActive()) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    timer_.start(milliseconds);
}

bool KeyBlackout::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept();  // and no shortcut either
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
    }
}

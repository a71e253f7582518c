#include "KeyRepeat.h"

#include <QKeyEvent>

bool KeyRepeat::repeated(const QKeyEvent& press) const {
    return press.isAutoRepeat() ||
           (press.timestamp() != 0 && press.key() == key_ && press.timestamp() == time_);
}

void KeyRepeat::released(const QKeyEvent& release) {
    key_ = release.key();
    time_ = release.timestamp();
}

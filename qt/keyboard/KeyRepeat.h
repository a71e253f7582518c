#pragma once

class QKeyEvent;

// Tells the system's repeat of a held key from a new press. Qt marks a repeat on X11 only when
// it happens to read the release and the press that follows it together; a press at the very
// moment of the release before it is a repeat as well.
class KeyRepeat {
public:
    bool repeated(const QKeyEvent& press) const;
    void released(const QKeyEvent& release);

private:
    int key_ = 0;
    unsigned long long time_ = 0;
};

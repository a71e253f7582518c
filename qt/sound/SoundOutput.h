#pragma once

#include <string>

// Where the sound effects are played: the desktop's sound server, or for tests a recorder.
// It is given the waves by name when it is made.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts a sound and returns its number.
    virtual unsigned play(const std::string& name) = 0;
    // Stops a sound as the one started after it begins, so that the two meet without a gap, or
    // at once when there is none. A sound that has ended is left alone.
    virtual void stop(unsigned sound) = 0;
};

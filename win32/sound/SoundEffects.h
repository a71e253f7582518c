#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The five sound effects, read whole from the sounds folder beside the program and played from
// memory by the system, asynchronously: each cuts off the one before it. A file that is missing
// is silent, and so is the system's own sound in its place.
class SoundEffects {
public:
    explicit SoundEffects(const std::wstring& folder);
    ~SoundEffects();
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    void play(std::string_view name);
    bool loaded(std::string_view name) const { return waves_.contains(std::string(name)); }

private:
    // The system's player, loaded with the sounds after the first paint, not at start.
    decltype(&PlaySoundW) playsound_;
    std::map<std::string, std::vector<char>> waves_;
};

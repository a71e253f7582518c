#pragma once

#include <array>
#include <string_view>

namespace ui {

// The game's five sounds, each a wave file of this name in the sounds folder.
enum class Sound { drop, rotate, got, level, gameover };

constexpr std::array<std::string_view, 5> kSoundNames{"drop", "rotate", "got", "level", "gameover"};

constexpr std::string_view soundname(Sound sound) {
    return kSoundNames[static_cast<std::size_t>(sound)];
}

}  // namespace ui

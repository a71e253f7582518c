#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// What the settings store holds, under the application "Tarvelo": 31 text values by section and
// key, each with the default that applies while it is missing.
namespace ui {

constexpr std::string_view kApplication = "Tarvelo";

constexpr std::string_view kOptions = "Options";
constexpr std::string_view kSound = "Sound";          // "True" or "False"; default on
constexpr std::string_view kAnimation = "Animation";  // the same
constexpr std::string_view kLevel = "Level";          // the starting level, 1 to 8
constexpr int kDefaultLevel = 1;

constexpr std::string_view kColors = "Colors";  // keys "1" to "4": colour values, decimal
constexpr std::array<std::uint32_t, 4> kDefaultColors = {
    0x003038CF,  // red 207, green 56, blue 48
    0x0000FF00,  // green
    0x00FF8000,  // blue 255, green 128
    0x006FFFFF,  // yellow
};

constexpr std::string_view kKeys = "Keys";  // virtual-key codes, decimal
constexpr std::array<std::string_view, 4> kKeyNames = {"Left", "Right", "Rotate", "Drop"};
constexpr std::array<std::int32_t, 4> kDefaultKeys = {37, 39, 38, 40};  // the arrow keys

constexpr std::string_view kTopScores = "TopScores";  // the ten best, best first
constexpr std::string_view kNoName = "-";             // the name of a place never taken

inline std::string colorkey(int n) {  // n = 1..4
    return std::to_string(n);
}
inline std::string recordkey(int n) {  // n = 1..10
    return "Record " + std::to_string(n);
}
inline std::string namekey(int n) {  // n = 1..10
    return "Name " + std::to_string(n);
}

constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";

}  // namespace ui

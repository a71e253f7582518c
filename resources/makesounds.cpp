// Synthesises the game's five sound effects as 16-bit mono wave files.
// Usage: makesounds <folder>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Note {
    double from;  // Hz at the start
    double to;    // Hz at the end: a sweep when it differs
    double seconds;
    double decay;  // exponential decay per second
};

// Sine with a little of its octave and twelfth, so it sounds like a soft bell, not a test tone.
std::vector<double> synth(const std::vector<Note>& notes, double volume) {
    std::vector<double> samples;
    double phase = 0;
    for (const Note& note : notes) {
        const int count = static_cast<int>(note.seconds * kRate);
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double f = note.from + (note.to - note.from) * i / count;
            phase += 2 * std::numbers::pi * f / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double release = std::min(1.0, (note.seconds - t) / 0.006);
            const double envelope = attack * release * std::exp(-note.decay * t);
            const double wave =
                std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
            samples.push_back(volume * envelope * wave / 1.42);
        }
    }
    return samples;
}

void put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

bool writewave(const std::string& path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary);
    const auto data = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put(out, 36 + data, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);  // format chunk size
    put(out, 1, 2);   // PCM
    put(out, 1, 2);   // mono
    put(out, kRate, 4);
    put(out, kRate * 2, 4);  // bytes per second
    put(out, 2, 2);          // block align
    put(out, 16, 2);         // bits per sample
    out.write("data", 4);
    put(out, data, 4);
    for (double s : samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        put(out, static_cast<std::uint16_t>(v), 2);
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesounds <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const struct {
        const char* name;
        std::vector<Note> notes;
        double volume;
    } sounds[] = {
        {"drop", {{880, 220, 0.16, 12}}, 0.55},
        {"rotate", {{1320, 1480, 0.05, 40}}, 0.35},
        {"got", {{1047, 1047, 0.07, 8}, {1319, 1319, 0.07, 8}, {1568, 1568, 0.16, 14}}, 0.5},
        {"level",
         {{523, 523, 0.1, 4}, {659, 659, 0.1, 4}, {784, 784, 0.1, 4}, {1047, 1047, 0.35, 5}},
         0.5},
        {"gameover", {{392, 392, 0.22, 3}, {311, 311, 0.22, 3}, {262, 255, 0.6, 4}}, 0.55},
    };
    for (const auto& sound : sounds) {
        if (!writewave(dir + "/" + sound.name + ".wav", synth(sound.notes, sound.volume))) {
            std::fprintf(stderr, "makesounds: cannot write %s\n", sound.name);
            return 1;
        }
    }
    return 0;
}

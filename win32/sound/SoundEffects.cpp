#include "SoundEffects.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Late.h"
#include "Sounds.h"

SoundEffects::SoundEffects(const std::wstring& folder)
    : playsound_(late<decltype(PlaySoundW)>(L"winmm.dll", "PlaySoundW")) {
    for (std::string_view name : ui::kSoundNames) {
        // Wide paths: a player's folder may well be named in Cyrillic.
        std::ifstream file(std::filesystem::path(folder) / (std::string(name) + ".wav"),
                           std::ios::binary);
        std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
        if (file.good() || file.eof()) {
            if (bytes.size() > 44 && std::string_view(bytes.data(), 4) == "RIFF") {
                waves_.emplace(std::string(name), std::move(bytes));
            }
        }
    }
}

SoundEffects::~SoundEffects() {
    if (playsound_ != nullptr) {
        playsound_(nullptr, nullptr, 0);  // the memory a sound plays from goes with us
    }
}

void SoundEffects::play(std::string_view name) {
    const auto wave = waves_.find(std::string(name));
    if (wave != waves_.end() && playsound_ != nullptr) {
        playsound_(reinterpret_cast<LPCWSTR>(wave->second.data()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
}

#include "SoundPlayer.h"

#include "PulseOutput.h"
#include "Sounds.h"

SoundPlayer::SoundPlayer(const QString& folder, QObject* parent, Opener opener)
    : QObject(parent), opener_(std::move(opener)) {
    for (std::string_view name : ui::kSoundNames) {
        const QString file = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        if (auto wave = readwave(folder + '/' + file + ".wav")) {
            waves_.emplace(std::string(name), std::move(*wave));
        }
    }
    if (!opener_) {
        opener_ = [](Waves waves) { return std::make_unique<PulseOutput>(std::move(waves)); };
    }
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::prepare() {
    if (output_ == nullptr && !waves_.empty()) {
        output_ = opener_(waves_);
    }
}

void SoundPlayer::play(std::string_view name) {
    if (!waves_.contains(name)) {
        return;
    }
    prepare();
    const unsigned sound = output_->play(std::string(name));
    if (playing_) {
        output_->stop(*playing_);
    }
    playing_ = sound;
}

bool SoundPlayer::loaded(std::string_view name) const {
    return waves_.contains(name);
}

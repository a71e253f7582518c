#include "SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(const QString& folder, QObject* parent) : QObject(parent) {
    for (const char* name : {"drop", "rotate", "got", "level", "gameover"}) {
        const QString path = folder + '/' + QString::fromLatin1(name) + ".wav";
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        effects_.emplace(name, effect);
    }
}

void SoundPlayer::play(std::string_view name) {
    const auto it = effects_.find(name);
    if (it == effects_.end()) {
        return;
    }
    QSoundEffect* effect = it->second;
    if (effect->status() == QSoundEffect::Error) {
        return;  // not a wave we can play, or no audio device
    }
    if (playing_ != nullptr) {
        playing_->stop();
    }
    effect->play();
    playing_ = effect;
}

bool SoundPlayer::loaded(std::string_view name) const {
    return effects_.contains(name);
}

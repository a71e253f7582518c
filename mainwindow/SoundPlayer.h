#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <string_view>

class QSoundEffect;

// The five sound effects, loaded once from the sounds folder beside the program.
// Anything missing or unplayable is silent.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(const QString& folder, QObject* parent = nullptr);

    // Starts the sound at once and returns; a sound still playing is cut off.
    void play(std::string_view name);

    bool loaded(std::string_view name) const;

private:
    std::map<std::string, QSoundEffect*, std::less<>> effects_;
    QSoundEffect* playing_ = nullptr;
};

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "SoundOutput.h"
#include "Wave.h"

// The five sound effects, read once from the sounds folder beside the program and played
// through a SoundOutput, the sound server's unless a test gives another. The output is opened
// only once a sound is wanted, so with the Sound option off nothing is. Anything missing or
// unplayable is silent.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    using Waves = std::map<std::string, Wave, std::less<>>;
    using Opener = std::function<std::unique_ptr<SoundOutput>(Waves)>;

    explicit SoundPlayer(const QString& folder, QObject* parent = nullptr, Opener opener = {});
    ~SoundPlayer() override;

    // Opens the output ahead of the first sound, so that it is on time too.
    void prepare();
    // Starts the sound at once and returns; a sound still playing is cut off.
    void play(std::string_view name);

    bool loaded(std::string_view name) const;
    bool opened() const { return output_ != nullptr; }

private:
    Waves waves_;
    Opener opener_;
    std::unique_ptr<SoundOutput> output_;
    std::optional<unsigned> playing_;  // the sound started last
};

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A sound as 16-bit PCM samples, read from a wave file.
struct Wave {
    int rate = 0;
    int channels = 0;
    QByteArray samples;  // little-endian, interleaved
};

// The wave in the file, or nothing for a file that is missing or not 16-bit PCM.
std::optional<Wave> readwave(const QString& path);

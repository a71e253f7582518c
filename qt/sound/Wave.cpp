#include "Wave.h"

#include <QFile>
#include <QtEndian>

namespace {
quint32 u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
}  // namespace

std::optional<Wave> readwave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (16 << 20)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    Wave wave;
    bool pcm16 = false;
    // Chunks: a four-letter name, a length, the body padded to an even length.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray name = bytes.mid(at, 4);
        const qsizetype length = u32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (length > bytes.size() - body) {
            return std::nullopt;
        }
        if (name == "fmt " && length >= 16) {
            pcm16 = u16(bytes, body) == 1 && u16(bytes, body + 14) == 16;
            wave.channels = u16(bytes, body + 2);
            wave.rate = static_cast<int>(u32(bytes, body + 4));
        } else if (name == "data") {
            wave.samples = bytes.mid(body, length);
        }
        at = body + length + (length & 1);
    }
    if (!pcm16 || wave.channels < 1 || wave.channels > 2 || wave.rate < 8000 ||
        wave.rate > 192000) {
        return std::nullopt;
    }
    wave.samples.truncate(wave.samples.size() - wave.samples.size() % (2 * wave.channels));
    if (wave.samples.isEmpty()) {
        return std::nullopt;
    }
    return wave;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and playing the game's sounds; see SoundBoard.h. A file is read whole (bounded) and its
// WAVE header checked before Qt Multimedia is pointed at it.
#include "audio/SoundBoard.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include "files/SafeFile.h"

namespace tavro {
namespace {

constexpr qsizetype kRiffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderBytes = 8;  // id, size
constexpr qsizetype kPcmFormatBytes = 16;
constexpr quint16 kPcmFormat = 1;
constexpr qreal kVolume = 0.6;

quint16 Word(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 Long(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool PlayableFormat(const QByteArray& bytes, qsizetype at, quint32 size) {
    if (size < kPcmFormatBytes) {
        return false;
    }
    const quint16 format = Word(bytes, at);
    const quint16 channels = Word(bytes, at + 2);
    const quint32 rate = Long(bytes, at + 4);
    const quint16 bits = Word(bytes, at + 14);
    return format == kPcmFormat && (channels == 1 || channels == 2) && rate >= 8000 &&
           rate <= 48000 && bits == 16;
}

}  // namespace

bool IsPlayableWave(const QByteArray& bytes) {
    if (bytes.size() < kRiffHeaderBytes || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return false;
    }
    bool formatSeen = false;
    qsizetype at = kRiffHeaderBytes;
    while (bytes.size() - at >= kChunkHeaderBytes) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = Long(bytes, at + 4);
        const qsizetype body = at + kChunkHeaderBytes;
        if (size > static_cast<quint64>(bytes.size() - body)) {
            return false;  // a chunk that runs past the end of the file
        }
        if (id == "fmt ") {
            if (!PlayableFormat(bytes, body, size)) {
                return false;
            }
            formatSeen = true;
        } else if (id == "data") {
            return formatSeen && size > 0;
        }
        at = body + size + (size & 1u);  // chunks are padded to an even size
    }
    return false;
}

SoundBoard::SoundBoard(QObject* parent) : QObject(parent) {}

void SoundBoard::Load(const QString& folder) {
    // The first question to Qt Multimedia's devices connects to the sound server and waits for
    // its answer, or for its own time limit when the server accepts and never answers.
    static_cast<void>(QMediaDevices::defaultAudioOutput());
    deviceSetUp_.store(true, std::memory_order_release);
    for (std::size_t i = 0; i < kSoundCount; ++i) {
        delete effects_[i];
        effects_[i] = nullptr;
        const QString file = QDir(folder).filePath(QString::fromLatin1(kSoundFileNames[i]));
        const BoundedRead read = ReadRegularFile(file, kMaxSoundFileBytes);
        if (read.status != BoundedRead::Status::Ok || !IsPlayableWave(read.bytes)) {
            continue;
        }
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(file));
        effect->setVolume(kVolume);
        effects_[i] = effect;
    }
}

void SoundBoard::Play(Sound sound) {
    if (QSoundEffect* effect = effects_[static_cast<std::size_t>(sound)]) {
        effect->play();
    }
}

bool SoundBoard::Loaded(Sound sound) const {
    return effects_[static_cast<std::size_t>(sound)] != nullptr;
}

}  // namespace tavro

#include "sound_player.h"

#include "wave_check.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <cmath>

namespace vorlin {

namespace {

// A short two-tone beep, 16-bit mono PCM, written once when first needed.
QByteArray defaultBeepWave() {
    constexpr int rate = 22050;
    constexpr int samples = rate / 6;
    QByteArray pcm(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double frequency = i < samples / 2 ? 880.0 : 660.0;
        const double envelope = std::sin(M_PI * i / samples); // no click at either end
        const auto value =
            static_cast<qint16>(12000 * envelope * std::sin(2 * M_PI * frequency * t));
        qToLittleEndian<qint16>(value, pcm.data() + 2 * i);
    }
    QByteArray wave;
    auto put32 = [&wave](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    auto put16 = [&wave](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    wave.append("RIFF");
    put32(36 + pcm.size());
    wave.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(rate);
    put32(rate * 2); // bytes per second
    put16(2);        // block align
    put16(16);       // bits per sample
    wave.append("data");
    put32(pcm.size());
    wave.append(pcm);
    return wave;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::defaultSoundPath() {
    if (defaultPath_.isEmpty() && scratch_.isValid()) {
        QFile file(scratch_.filePath(QStringLiteral("default.wav")));
        if (file.open(QIODevice::WriteOnly) && file.write(defaultBeepWave()) > 0)
            defaultPath_ = file.fileName();
    }
    return defaultPath_;
}

QSoundEffect* SoundPlayer::effectFor(const QString& path) {
    auto found = effects_.find(path);
    if (found != effects_.end()) return found.value();
    const QString source = isPlayableWave(path) ? path : defaultSoundPath();
    auto* effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
        if (effect->status() == QSoundEffect::Error) fallBackToDefault(effect);
    });
    effect->setSource(QUrl::fromLocalFile(source));
    effects_.insert(path, effect);
    return effect;
}

void SoundPlayer::fallBackToDefault(QSoundEffect* effect) {
    const QUrl beep = QUrl::fromLocalFile(defaultSoundPath());
    // Should the default sound itself fail, there is nothing left to try.
    if (effect->source() == beep || defaultSoundPath().isEmpty()) return;
    effect->setSource(beep);
    if (effect == playing_) effect->play();
}

QString SoundPlayer::sourceFor(const std::string& path) const {
    const QSoundEffect* effect = effects_.value(QString::fromStdString(path));
    return effect ? effect->source().toLocalFile() : QString();
}

void SoundPlayer::play(const std::string& path) {
    QSoundEffect* effect = effectFor(QString::fromStdString(path));
    if (playing_ && playing_ != effect) playing_->stop();
    playing_ = effect;
    effect->play();
}

} // namespace vorlin

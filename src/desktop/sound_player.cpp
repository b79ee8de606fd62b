#include "sound_player.h"

namespace vorlin {

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent),
      defaultSound_(PcmSound::beep().followedBySilence(SoundVoice::kTailMilliseconds)),
      voice_(this) {
    connect(&voice_, &SoundVoice::failed, this, &SoundPlayer::onVoiceFailed);
}

const PcmSound& SoundPlayer::soundFor(const QString& path) {
    auto found = sounds_.constFind(path);
    if (found != sounds_.constEnd()) return found.value();
    const std::optional<PcmSound> sound = PcmSound::load(path);
    if (!sound) {
        playingDefault_.insert(path);
        return defaultSound_;
    }
    return sounds_.insert(path, sound->followedBySilence(SoundVoice::kTailMilliseconds)).value();
}

void SoundPlayer::play(const std::string& path) {
    playingPath_ = QString::fromStdString(path);
    const PcmSound& sound =
        playingDefault_.contains(playingPath_) ? defaultSound_ : soundFor(playingPath_);
    if (!voice_.play(sound)) playDefaultFor(playingPath_);
}

void SoundPlayer::playDefaultFor(const QString& path) {
    // Should the default sound fail as well, there is nothing left to try.
    if (playingDefault_.contains(path)) return;
    playingDefault_.insert(path);
    sounds_.remove(path);
    voice_.play(defaultSound_);
}

void SoundPlayer::onVoiceFailed() {
    playDefaultFor(playingPath_);
}

bool SoundPlayer::playsDefaultFor(const std::string& path) const {
    return playingDefault_.contains(QString::fromStdString(path));
}

} // namespace vorlin

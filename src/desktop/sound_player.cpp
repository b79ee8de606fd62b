#include "sound_player.h"

namespace vorlin {

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent), defaultSound_(PcmSound::beep()) {}

const PcmSound& SoundPlayer::soundFor(const QString& path) {
    auto found = sounds_.constFind(path);
    if (found != sounds_.constEnd()) return found.value();
    const std::optional<PcmSound> sound = PcmSound::load(path);
    if (!sound) {
        playingDefault_.insert(path);
        return defaultSound_;
    }
    return sounds_.insert(path, *sound).value();
}

void SoundPlayer::play(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const PcmSound& sound = playingDefault_.contains(file) ? defaultSound_ : soundFor(file);
    // Without a server nothing plays, and that is not the file's fault.
    if (voice_.play(sound) == SoundVoice::Start::Refused) playDefaultFor(file);
}

void SoundPlayer::playDefaultFor(const QString& path) {
    // Should the default sound be refused as well, there is nothing left to try.
    if (playingDefault_.contains(path)) return;
    playingDefault_.insert(path);
    sounds_.remove(path);
    voice_.play(defaultSound_);
}

bool SoundPlayer::playsDefaultFor(const std::string& path) const {
    return playingDefault_.contains(QString::fromStdString(path));
}

} // namespace vorlin

#pragma once

#include "assets/pcm_sound.h"
#include "sound_voice.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <string>

namespace vorlin {

// Plays the game's sounds: asynchronous, one at a time, a new sound stops the one playing.
// A file that is missing or is not a playable WAVE plays a built-in default sound instead, and
// so does one whose format the sound server refuses: a sound request is never silent and never
// an error. Without a sound server the game goes on silently, and each sound plays its own
// file again once the server is back. Each file is read once, at its first play, and its
// samples kept for the next ones.
class SoundPlayer : public QObject {
  public:
    explicit SoundPlayer(QObject* parent = nullptr);

    void play(const std::string& path);

    // True when the default sound plays for PATH in place of its file; false before the path's
    // first play.
    bool playsDefaultFor(const std::string& path) const;
    // True while a sound is being played; between sounds nothing runs.
    bool isPlaying() const { return voice_.isPlaying(); }

  private:
    // The sound kept for PATH, read from the file at the first play.
    const PcmSound& soundFor(const QString& path);
    void playDefaultFor(const QString& path);

    QHash<QString, PcmSound> sounds_; // each ending in the voice's tail of silence
    QSet<QString> playingDefault_;
    const PcmSound defaultSound_;
    SoundVoice voice_;
};

} // namespace vorlin

#pragma once

#include <QHash>
#include <QObject>
#include <QTemporaryDir>

#include <string>

class QSoundEffect;

namespace vorlin {

// Plays the game's sounds: asynchronous, one at a time, a new sound stops the one playing.
// A file that is missing or is not a playable WAVE plays a built-in default sound instead,
// so a sound request is never silent and never an error.
class SoundPlayer : public QObject {
  public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    void play(const std::string& path);

    // True when the file looks like a WAVE the player can play (RIFF/WAVE, PCM).
    static bool isPlayableWave(const QString& path);

  private:
    QSoundEffect* effectFor(const QString& path);
    QString defaultSoundPath();

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
    QTemporaryDir scratch_;
    QString defaultPath_;
};

} // namespace vorlin

#pragma once

#include <QHash>
#include <QObject>
#include <QTemporaryDir>

#include <string>

class QSoundEffect;

namespace vorlin {

// Plays the game's sounds: asynchronous, one at a time, a new sound stops the one playing.
// A file that is missing or is not a playable WAVE plays a built-in default sound instead, and
// so does one that the sound system cannot load after all: a sound request is never silent and
// never an error.
class SoundPlayer : public QObject {
  public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    void play(const std::string& path);

    // The file that plays for a sound path: the path itself, or the built-in default sound
    // once the file has been found unplayable. Empty before the path's first play.
    QString sourceFor(const std::string& path) const;

  private:
    QSoundEffect* effectFor(const QString& path);
    QString defaultSoundPath();
    // The sound system could not load the file: the effect plays the default sound instead.
    void fallBackToDefault(QSoundEffect* effect);

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
    QTemporaryDir scratch_;
    QString defaultPath_;
};

} // namespace vorlin

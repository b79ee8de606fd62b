#pragma once

#include <QAudio>
#include <QAudioFormat>
#include <QObject>
#include <QTimer>

class QAudioSink;

namespace vorlin {

class PcmSound;

// The one voice the game's sounds play on: an audio output stream, opened for a sound when it
// starts and closed as soon as the sound has been heard, so that nothing runs between sounds.
// The whole sound is handed to the sound server at once; the voice's thread wakes again only
// when the server has played it out, to close the stream. The output is kept while the sounds
// share its format. A new sound cuts the one playing.
class SoundVoice : public QObject {
    Q_OBJECT

  public:
    explicit SoundVoice(QObject* parent = nullptr);
    ~SoundVoice() override;

    // Starts SOUND from its beginning. False when the audio output refuses it at once. The
    // sound must end in at least kTailMilliseconds of silence: the server starts playing a
    // stream only once it holds a little of it.
    bool play(const PcmSound& sound);
    // Cuts the sound playing, if any, and closes the stream.
    void stop();
    // True from a sound's start until its stream is closed.
    bool isPlaying() const { return playing_; }

    static constexpr int kTailMilliseconds = 150;

  signals:
    // The audio output failed while a sound was playing; the stream is closed.
    void failed();

  private:
    QAudioSink* sinkFor(const QAudioFormat& format);
    void onStateChanged(QAudio::State state);
    void stopWhenPlayedOut(quint64 sound);
    void reportFailure(quint64 sound);

    QAudioSink* sink_ = nullptr;
    QTimer latestEnd_;
    bool playing_ = false;
    // Counts the sounds started, so that news about one sound is not taken for the next.
    quint64 soundsStarted_ = 0;
};

} // namespace vorlin

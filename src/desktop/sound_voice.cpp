#include "sound_voice.h"

#include "assets/pcm_sound.h"

#include <QAudioSink>

#include <algorithm>

namespace vorlin {

namespace {

constexpr qint64 kMicrosecondsPerMillisecond = 1'000;
// The least buffer of the stream at the sound server. The buffer holds the whole sound, so that
// the server asks for nothing more while it plays it (a small buffer had the server's thread
// woken every few milliseconds for room the sound never fills). The server starts playing once
// the buffer is full, so every sound, with its tail of silence, must be longer than this.
constexpr int kBufferMilliseconds = 100;
static_assert(kBufferMilliseconds < SoundVoice::kTailMilliseconds);
// How much later than its length a sound may end, the server's delays together (a wireless
// headset alone may add a quarter of a second).
constexpr int kLongestServerDelayMilliseconds = 2000;

} // namespace

SoundVoice::SoundVoice(QObject* parent) : QObject(parent), latestEnd_(this) {
    latestEnd_.setSingleShot(true);
    connect(&latestEnd_, &QTimer::timeout, this, &SoundVoice::stop);
}

SoundVoice::~SoundVoice() {
    stop();
}

QAudioSink* SoundVoice::sinkFor(const QAudioFormat& format) {
    if (sink_ && sink_->format() == format) return sink_;
    delete sink_;
    sink_ = new QAudioSink(format, this);
    connect(sink_, &QAudioSink::stateChanged, this, &SoundVoice::onStateChanged);
    return sink_;
}

bool SoundVoice::play(const PcmSound& sound) {
    stop();
    QAudioSink* sink = sinkFor(sound.format());
    sink->setBufferSize(std::max<qsizetype>(
        sound.format().bytesForDuration(kBufferMilliseconds * kMicrosecondsPerMillisecond),
        sound.samples().size()));
    ++soundsStarted_;
    playing_ = true;
    QIODevice* stream = sink->start();
    if (!stream || sink->error() != QAudio::NoError ||
        stream->write(sound.samples()) != sound.samples().size()) {
        stop();
        return false;
    }
    // The server reports when it has played everything; should that news never come, the
    // stream is closed anyway once the sound has had ample time.
    latestEnd_.start(static_cast<int>(sound.durationMicroseconds() / kMicrosecondsPerMillisecond) +
                     kLongestServerDelayMilliseconds);
    return true;
}

void SoundVoice::stop() {
    playing_ = false;
    latestEnd_.stop();
    if (sink_ && sink_->state() != QAudio::StoppedState) sink_->stop();
}

void SoundVoice::onStateChanged(QAudio::State state) {
    if (!playing_) return; // our own stop
    // The output reports from inside its own work, and the end of a sound from the server's
    // thread: the voice acts on the news only once that work has returned, and only if it still
    // concerns the sound playing.
    const quint64 sound = soundsStarted_;
    if (state == QAudio::IdleState) {
        QMetaObject::invokeMethod(
            this, [this, sound] { stopWhenPlayedOut(sound); }, Qt::QueuedConnection);
    } else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        QMetaObject::invokeMethod(
            this, [this, sound] { reportFailure(sound); }, Qt::QueuedConnection);
    }
}

void SoundVoice::stopWhenPlayedOut(quint64 sound) {
    // Idle also when the stream has just been opened, before the sound is handed over.
    if (playing_ && sound == soundsStarted_ && sink_->state() == QAudio::IdleState) stop();
}

void SoundVoice::reportFailure(quint64 sound) {
    if (!playing_ || sound != soundsStarted_) return;
    stop();
    emit failed();
}

} // namespace vorlin

#include "sound_voice.h"

#include "pcm_sound.h"

#include <QAudioSink>

namespace vorlin {

namespace {

constexpr qint64 kMicrosecondsPerMillisecond = 1'000;
// The stream's buffer at the sound server. The server starts playing once it holds about this
// much, so every sound, with its tail of silence, must be longer.
constexpr int kBufferMilliseconds = 100;
static_assert(kBufferMilliseconds < SoundVoice::kTailMilliseconds);

} // namespace

SoundVoice::SoundVoice(QObject* parent) : QObject(parent), soundEnd_(this) {
    soundEnd_.setSingleShot(true);
    soundEnd_.setTimerType(Qt::PreciseTimer);
    connect(&soundEnd_, &QTimer::timeout, this, &SoundVoice::stop);
}

SoundVoice::~SoundVoice() {
    stop();
}

QAudioSink* SoundVoice::sinkFor(const QAudioFormat& format) {
    if (sink_ && sink_->format() == format) return sink_;
    delete sink_;
    sink_ = new QAudioSink(format, this);
    sink_->setBufferSize(
        format.bytesForDuration(kBufferMilliseconds * kMicrosecondsPerMillisecond));
    connect(sink_, &QAudioSink::stateChanged, this, &SoundVoice::onStateChanged);
    return sink_;
}

bool SoundVoice::play(const PcmSound& sound) {
    stop();
    QAudioSink* sink = sinkFor(sound.format());
    ++soundsStarted_;
    playing_ = true;
    QIODevice* stream = sink->start();
    if (!stream || sink->error() != QAudio::NoError ||
        stream->write(sound.samples()) != sound.samples().size()) {
        stop();
        return false;
    }
    soundEnd_.start(static_cast<int>(sound.durationMicroseconds() / kMicrosecondsPerMillisecond));
    return true;
}

void SoundVoice::stop() {
    playing_ = false;
    soundEnd_.stop();
    if (sink_ && sink_->state() != QAudio::StoppedState) sink_->stop();
}

void SoundVoice::onStateChanged(QAudio::State state) {
    if (!playing_ || state != QAudio::StoppedState || sink_->error() == QAudio::NoError) return;
    // The output reports from inside its own work: it is stopped or replaced only once that work
    // has returned.
    const quint64 sound = soundsStarted_;
    QMetaObject::invokeMethod(
        this, [this, sound] { reportFailure(sound); }, Qt::QueuedConnection);
}

void SoundVoice::reportFailure(quint64 sound) {
    if (!playing_ || sound != soundsStarted_) return;
    stop();
    emit failed();
}

} // namespace vorlin

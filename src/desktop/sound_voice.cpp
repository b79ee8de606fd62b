#include "sound_voice.h"

#include "assets/pcm_sound.h"

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

namespace vorlin {

namespace {

constexpr pa_usec_t kMicrosecondsPerMillisecond = 1'000;
// How far ahead of the sound card the server mixes: a sound written now is heard about this
// much later.
constexpr int kMixAheadMilliseconds = 30;
// How much of a sound the server plays between two notes to the game that it has room for
// more. The whole sound is written at once, so the notes are only news, but each one wakes the
// sound library's thread: with the server's own step of 20 ms that was 50 times a second
// whenever a sound played. Longer than the game's longest sound (under two seconds), a sound
// plays to its end without any.
constexpr int kRoomNoteStepMilliseconds = 2000;
// What the stream asks of the server: the server keeps two note steps in hand and splits the
// rest of the target evenly between the card's buffer and its own queue, so this target has it
// mix kMixAheadMilliseconds ahead.
constexpr int kTargetMilliseconds = 2 * kRoomNoteStepMilliseconds + 2 * kMixAheadMilliseconds;
// How long connecting to the server and opening the stream may take, far above what a server
// on the same machine needs.
constexpr pa_usec_t kConnectMicroseconds = 2'000'000;
// How much later than its length a sound may end, the server's delays together (a wireless
// headset alone may add a quarter of a second).
constexpr pa_usec_t kLongestServerDelayMicroseconds = 2'000'000;

pa_sample_spec sampleLayoutOf(const QAudioFormat& format) {
    pa_sample_spec layout{};
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        layout.format = PA_SAMPLE_U8;
        break;
    case QAudioFormat::Int16:
        layout.format = PA_SAMPLE_S16LE;
        break;
    case QAudioFormat::Int32:
        layout.format = PA_SAMPLE_S32LE;
        break;
    case QAudioFormat::Float:
        layout.format = PA_SAMPLE_FLOAT32LE;
        break;
    default:
        layout.format = PA_SAMPLE_INVALID;
        break;
    }
    layout.rate = static_cast<std::uint32_t>(format.sampleRate());
    layout.channels = static_cast<std::uint8_t>(format.channelCount());
    return layout;
}

void forget(pa_operation* operation) {
    if (operation) pa_operation_unref(operation);
}

// Holds the sound library's lock: its thread runs the callbacks under it.
class LoopLock {
  public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

} // namespace

SoundVoice::SoundVoice() : loop_(pa_threaded_mainloop_new()) {
    if (!loop_) return;
    pa_threaded_mainloop_set_name(loop_, "vorlin-pulse");
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
}

SoundVoice::~SoundVoice() {
    if (!loop_) return;
    {
        LoopLock lock(loop_);
        closeContext();
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

SoundVoice::Start SoundVoice::play(const PcmSound& sound) {
    if (!loop_) return Start::NoServer;
    LoopLock lock(loop_);
    Start whyNot = Start::Playing;
    if (!streamReady(sound.format(), whyNot)) {
        playing_ = false;
        return whyNot;
    }
    cancelTimes();
    // What is still queued goes, the new sound takes its place and the server plays it at once.
    forget(pa_stream_flush(stream_, nullptr, nullptr));
    const QByteArray& samples = sound.samples();
    if (pa_stream_write(stream_, samples.constData(), static_cast<std::size_t>(samples.size()),
                        nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        closeStream();
        return Start::NoServer;
    }
    if (pa_stream_is_corked(stream_) == 1) forget(pa_stream_cork(stream_, 0, nullptr, nullptr));
    soundStartUs_ = pa_rtclock_now();
    soundLengthUs_ = static_cast<std::uint64_t>(sound.durationMicroseconds());
    // The server says when it has played everything; should that news never come, the stream
    // is taken as played out anyway once the sound has had ample time.
    latestEnd_ = pa_context_rttime_new(
        context_, soundStartUs_ + soundLengthUs_ + kLongestServerDelayMicroseconds, onLatestEnd,
        this);
    playing_ = true;
    return Start::Playing;
}

bool SoundVoice::streamReady(const QAudioFormat& format, Start& whyNot) {
    if (context_ && pa_context_get_state(context_) != PA_CONTEXT_READY) closeContext();
    if (!context_ && !connectToServer()) {
        whyNot = Start::NoServer;
        return false;
    }
    if (stream_ && (streamFormat_ != format || pa_stream_get_state(stream_) != PA_STREAM_READY))
        closeStream();
    if (!stream_ && !openStream(format)) {
        whyNot = context_ && pa_context_get_state(context_) == PA_CONTEXT_READY ? Start::Refused
                                                                                : Start::NoServer;
        return false;
    }
    return true;
}

bool SoundVoice::connectToServer() {
    const pa_usec_t now = pa_rtclock_now();
    if (triedOnce_ && now - lastAttemptUs_ < kReconnectPauseMs * kMicrosecondsPerMillisecond)
        return false;
    // Only the first connection may have the library start a server; one that went away later
    // was stopped on purpose.
    const pa_context_flags_t flags = triedOnce_ ? PA_CONTEXT_NOAUTOSPAWN : PA_CONTEXT_NOFLAGS;
    triedOnce_ = true;
    lastAttemptUs_ = now;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Vorlin");
    if (!context_) return false;
    pa_context_set_state_callback(context_, onContextState, this);
    const bool ready = pa_context_connect(context_, nullptr, flags, nullptr) >= 0 &&
                       waitFor([this] {
                           const pa_context_state_t state = pa_context_get_state(context_);
                           return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
                       }) &&
                       pa_context_get_state(context_) == PA_CONTEXT_READY;
    if (!ready) closeContext();
    return ready;
}

bool SoundVoice::openStream(const QAudioFormat& format) {
    const pa_sample_spec layout = sampleLayoutOf(format);
    if (!pa_sample_spec_valid(&layout)) return false;
    stream_ = pa_stream_new(context_, "Vorlin", &layout, nullptr);
    if (!stream_) return false;
    streamFormat_ = format;
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_underflow_callback(stream_, onUnderflow, this);
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(
        pa_usec_to_bytes(kTargetMilliseconds * kMicrosecondsPerMillisecond, &layout));
    // A sound starts as soon as its first sample is there, however short it is. Once a sound
    // has run out the server waits for the next one without playing silence, and so without
    // noting any room for more.
    buffer.prebuf = static_cast<std::uint32_t>(pa_frame_size(&layout));
    buffer.minreq = static_cast<std::uint32_t>(
        pa_usec_to_bytes(kRoomNoteStepMilliseconds * kMicrosecondsPerMillisecond, &layout));
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    // Opened playing: only a stream that plays sets how far ahead the server mixes, and so how
    // soon a sound written to it is heard.
    const auto flags = PA_STREAM_ADJUST_LATENCY;
    const bool ready =
        pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) >= 0 &&
        waitFor([this] {
            const pa_stream_state_t state = pa_stream_get_state(stream_);
            return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
        }) &&
        pa_stream_get_state(stream_) == PA_STREAM_READY;
    if (!ready) closeStream();
    return ready;
}

void SoundVoice::closeStream() {
    cancelTimes();
    playing_ = false;
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void SoundVoice::closeContext() {
    closeStream();
    if (!context_) return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

template <class Done> bool SoundVoice::waitFor(Done done) {
    waitOver_ = false;
    pa_time_event* timeout =
        pa_context_rttime_new(context_, pa_rtclock_now() + kConnectMicroseconds, onWaitOver, this);
    while (!done() && !waitOver_)
        pa_threaded_mainloop_wait(loop_);
    if (timeout) pa_threaded_mainloop_get_api(loop_)->time_free(timeout);
    return done();
}

void SoundVoice::cork() {
    if (stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY)
        forget(pa_stream_cork(stream_, 1, nullptr, nullptr));
}

void SoundVoice::cancelTimes() {
    cancel(latestEnd_);
    cancel(corkAfterSilence_);
}

void SoundVoice::cancel(pa_time_event*& event) {
    if (!event) return;
    pa_threaded_mainloop_get_api(loop_)->time_free(event);
    event = nullptr;
}

void SoundVoice::onContextState(pa_context* context, void* voice) {
    auto* self = static_cast<SoundVoice*>(voice);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) self->playing_ = false;
    pa_threaded_mainloop_signal(self->loop_, 0);
}

void SoundVoice::onStreamState(pa_stream* stream, void* voice) {
    auto* self = static_cast<SoundVoice*>(voice);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) self->playing_ = false;
    pa_threaded_mainloop_signal(self->loop_, 0);
}

void SoundVoice::onUnderflow(pa_stream*, void* voice) {
    auto* self = static_cast<SoundVoice*>(voice);
    // The server has run out of what was written: it has mixed the last of it, to be heard
    // within its mixing time. The news may still concern the sound before, cut a moment ago:
    // the sound playing cannot have been mixed whole much before its length.
    const pa_usec_t mixedWithin = pa_rtclock_now() - self->soundStartUs_ +
                                  kMixAheadMilliseconds * kMicrosecondsPerMillisecond;
    if (!self->playing_ || mixedWithin < self->soundLengthUs_) return;
    self->playedOut();
}

void SoundVoice::onLatestEnd(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* voice) {
    static_cast<SoundVoice*>(voice)->playedOut();
}

void SoundVoice::onLongSilence(pa_mainloop_api*, pa_time_event*, const struct timeval*,
                               void* voice) {
    auto* self = static_cast<SoundVoice*>(voice);
    self->cancel(self->corkAfterSilence_);
    self->cork();
}

void SoundVoice::playedOut() {
    cancel(latestEnd_);
    playing_ = false;
    cancel(corkAfterSilence_);
    corkAfterSilence_ = pa_context_rttime_new(
        context_, pa_rtclock_now() + kCorkAfterSilenceMs * kMicrosecondsPerMillisecond,
        onLongSilence, this);
}

void SoundVoice::onWaitOver(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* voice) {
    auto* self = static_cast<SoundVoice*>(voice);
    self->waitOver_ = true;
    pa_threaded_mainloop_signal(self->loop_, 0);
}

} // namespace vorlin

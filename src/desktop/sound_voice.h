#pragma once

#include <QAudioFormat>

#include <atomic>
#include <cstdint>

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

namespace vorlin {

class PcmSound;

// The one voice the game's sounds play on: one playback stream at the sound server, opened at
// the first sound and kept for the whole run. A sound is one write to it: whatever is still
// queued (the sound playing) is dropped first, so a new sound cuts the old one at once. Once
// the server has played a sound out it waits for more without asking the game for any, so
// nothing of the game wakes between sounds; after kCorkAfterSilenceMs of silence the stream is
// corked as well, so that the server may rest the sound card. The stream is opened again only
// for a sound of another format.
//
// When the server goes away the voice is silent; the next sound looks for the server again (at
// most once in kReconnectPauseMs), so sound comes back with it. The server is talked to from a
// thread of the sound library's own; play() waits on it only to connect.
class SoundVoice {
  public:
    SoundVoice();
    ~SoundVoice();
    SoundVoice(const SoundVoice&) = delete;
    SoundVoice& operator=(const SoundVoice&) = delete;

    enum class Start {
        Playing,  // the sound is on its way to the server
        Refused,  // the server does not take sounds of its format
        NoServer, // there is no sound server to play it
    };
    // Starts SOUND from its beginning, cutting the one playing.
    Start play(const PcmSound& sound);
    // True from a sound's start until the server has played it out.
    bool isPlaying() const { return playing_; }

    static constexpr int kReconnectPauseMs = 500;
    static constexpr int kCorkAfterSilenceMs = 5000;

  private:
    // With the sound library's lock held. True when a stream for FORMAT is ready; otherwise
    // says why not.
    bool streamReady(const QAudioFormat& format, Start& whyNot);
    bool connectToServer();
    bool openStream(const QAudioFormat& format);
    void closeStream();
    void closeContext();
    // Waits for the library's thread until DONE holds or the connection time is up.
    template <class Done> bool waitFor(Done done);
    void cork();
    // The server has played the sound out, or should have long ago.
    void playedOut();
    void cancelTimes();
    void cancel(pa_time_event*& event);

    static void onContextState(pa_context* context, void* voice);
    static void onStreamState(pa_stream* stream, void* voice);
    static void onUnderflow(pa_stream* stream, void* voice);
    static void onLatestEnd(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* voice);
    static void onLongSilence(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* voice);
    static void onWaitOver(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* voice);

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    QAudioFormat streamFormat_;
    bool waitOver_ = false;
    bool triedOnce_ = false;
    std::uint64_t lastAttemptUs_ = 0;
    // The library's clock when the sound playing was written, and its length.
    std::uint64_t soundStartUs_ = 0;
    std::uint64_t soundLengthUs_ = 0;
    pa_time_event* latestEnd_ = nullptr;
    pa_time_event* corkAfterSilence_ = nullptr;
    std::atomic<bool> playing_ = false;
};

} // namespace vorlin

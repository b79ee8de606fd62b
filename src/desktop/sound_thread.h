#pragma once

#include <QObject>
#include <QThread>

#include <optional>
#include <string>

namespace vorlin {

class SoundPlayer;

// The game's sound player on a thread of its own. Starting a sound talks to the sound server
// and may wait on it for tens of milliseconds; here the window only leaves the request, so a
// sound never holds up a tick, and the sounds still play one at a time in the order asked.
// Of the sounds asked in one turn of the window's event loop (the beats of one batch), each would
// cut the one before it at once: only the newest is handed over, when the turn is over.
class SoundThread {
  public:
    SoundThread();
    ~SoundThread();
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    void play(const std::string& path);

  private:
    void handOverNewest();

    QThread thread_;
    SoundPlayer* player_;
    // On the window's thread: the hand-over waiting for the turn to end goes with it.
    QObject handOver_;
    std::optional<std::string> newest_;
};

} // namespace vorlin

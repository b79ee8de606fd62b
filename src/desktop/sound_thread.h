#pragma once

#include <QThread>

#include <string>

namespace vorlin {

class SoundPlayer;

// The game's sound player on a thread of its own. Starting a sound talks to the sound server
// and may wait on it for tens of milliseconds; here the window only leaves the request, so a
// sound never holds up a tick, and the sounds still play one at a time in the order asked.
class SoundThread {
  public:
    SoundThread();
    ~SoundThread();
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    void play(const std::string& path);

  private:
    QThread thread_;
    SoundPlayer* player_;
};

} // namespace vorlin

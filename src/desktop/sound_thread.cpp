#include "sound_thread.h"

#include "sound_player.h"

namespace vorlin {

SoundThread::SoundThread() : player_(new SoundPlayer) {
    thread_.setObjectName(QStringLiteral("vorlin-sound"));
    player_->moveToThread(&thread_);
    // The player and its effects go with the thread's event loop, on the thread that made them.
    QObject::connect(&thread_, &QThread::finished, player_, &QObject::deleteLater);
    thread_.start();
}

SoundThread::~SoundThread() {
    thread_.quit();
    thread_.wait();
}

void SoundThread::play(const std::string& path) {
    const bool handOverWaiting = newest_.has_value();
    newest_ = path;
    if (!handOverWaiting)
        QMetaObject::invokeMethod(&handOver_, [this] { handOverNewest(); }, Qt::QueuedConnection);
}

void SoundThread::handOverNewest() {
    if (!newest_) return;
    SoundPlayer* player = player_;
    QMetaObject::invokeMethod(
        player, [player, path = std::move(*newest_)] { player->play(path); },
        Qt::QueuedConnection);
    newest_.reset();
}

} // namespace vorlin

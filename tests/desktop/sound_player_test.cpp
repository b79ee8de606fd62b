// The sound player on a real sound server of the test's own (PulseAudio with a null sink): what
// plays for each file, one stream for the whole run that nothing of the game wakes between
// sounds, a new sound cutting the one playing, sound coming back with a server that went away,
// and a sound thread that ends at once whatever is playing.

#include "desktop/sound_player.h"
#include "desktop/sound_thread.h"
#include "wave_bytes.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace vorlin {
namespace {

using namespace wave_bytes;

// The server's folder, where its socket, runtime files and home lie.
QTemporaryDir* serverFolder = nullptr;
constexpr int kServerStartMs = 10000;
// How long the server and the player are given to answer, far above what they need.
constexpr int kAnswerMs = 3000;
constexpr std::uint32_t kRate = 8000;

QStringList serverEnvironment() {
    return {QStringLiteral("HOME=") + serverFolder->path(),
            QStringLiteral("XDG_RUNTIME_DIR=") + serverFolder->path(),
            QStringLiteral("XDG_CONFIG_HOME=") + serverFolder->path()};
}

QString runPactl(const QStringList& arguments) {
    QProcess pactl;
    pactl.setEnvironment(QProcess::systemEnvironment() + serverEnvironment());
    pactl.start(QStringLiteral("pactl"), arguments);
    if (!pactl.waitForFinished(kAnswerMs) || pactl.exitCode() != 0) return QStringLiteral("?");
    return QString::fromLocal8Bit(pactl.readAllStandardOutput());
}

// The streams the server is playing: one line each.
int streamsAtServer() {
    const QString list =
        runPactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    return list == QStringLiteral("?") ? -1 : static_cast<int>(list.count(QLatin1Char('\n')));
}

// Runs events until the condition holds or the time is up; its value at the end.
bool eventually(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(kAnswerMs);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

QProcess* server = nullptr;
QProcess* listener = nullptr;

// Starts the server on the test's socket; false (with the server's words) when it does not come.
bool startServer() {
    server = new QProcess;
    server->setEnvironment(QProcess::systemEnvironment() + serverEnvironment());
    server->start(QStringLiteral("pulseaudio"),
                  {"--system=no", "--daemonize=no", "-n", "--exit-idle-time=-1",
                   "--use-pid-file=no", "--disable-shm=yes", "--realtime=no", "--high-priority=no",
                   "--no-cpu-limit=yes", "-L",
                   "module-null-sink sink_name=vorlin_test rate=8000 channels=1", "-L",
                   "module-native-protocol-unix socket=" + serverFolder->filePath("native") +
                       " auth-anonymous=1"});
    QDeadlineTimer deadline(kServerStartMs);
    while (runPactl({QStringLiteral("info")}) == QStringLiteral("?")) {
        if (deadline.hasExpired() || server->state() == QProcess::NotRunning) {
            std::fprintf(stderr, "the sound server did not start: %s\n",
                         server->readAllStandardError().constData());
            return false;
        }
        QThread::msleep(100);
    }
    // A listener on the sink, as the real-window tests record it: it keeps the server mixing only
    // a little ahead, as a sound card does, where a null sink left alone mixes seconds ahead and
    // a sound is heard that much later.
    listener = new QProcess;
    listener->setEnvironment(QProcess::systemEnvironment() + serverEnvironment());
    listener->setStandardOutputFile(QProcess::nullDevice());
    listener->start(QStringLiteral("parec"),
                    {QStringLiteral("-d"), QStringLiteral("vorlin_test.monitor"),
                     QStringLiteral("--latency-msec=20")});
    if (!listener->waitForStarted(kAnswerMs)) return false;
    while (runPactl(
               {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")})
               .isEmpty()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(50);
    }
    return true;
}

void stopServer() {
    if (!server) return;
    listener->kill();
    listener->waitForFinished(kAnswerMs);
    delete listener;
    listener = nullptr;
    server->terminate();
    server->waitForFinished(kAnswerMs);
    delete server;
    server = nullptr;
}

class SoundPlayerOnServer : public ::testing::Test {
  protected:
    // A 16-bit mono sound of the given length: a steady tone, loud enough to be a sound.
    std::string sound(int milliseconds) {
        std::string tone;
        for (std::uint32_t i = 0; i < kRate * milliseconds / 1000; ++i)
            put(tone, i % 16 < 8 ? 0x2000 : 0xE000, 2);
        return riff(formatChunk({1, 1, kRate, 16}) + chunk("data", tone));
    }

    std::string write(const std::string& name, const std::string& content) {
        const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(SoundPlayerOnServer, WhatCannotPlayPlaysTheBeepInstead) {
    const std::string whole = sound(100);
    struct Case {
        const char* name;
        std::string content;
        bool beep;
    };
    const Case cases[] = {
        {"whole", whole, false},
        {"damaged", whole.substr(0, 60), true},
        // Whole by the rules of RIFF, with the pad byte after a chunk of odd size.
        {"after a chunk of odd size", riff(chunk("junk", "abc") + whole.substr(12)), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SoundPlayer player;
        const std::string path = write(std::string(c.name) + ".kps", c.content);
        player.play(path);
        EXPECT_EQ(player.playsDefaultFor(path), c.beep);
        EXPECT_TRUE(player.isPlaying()); // never silent
    }
    SoundPlayer player;
    const std::string missing = folder.filePath("missing.kps").toStdString();
    player.play(missing);
    EXPECT_TRUE(player.playsDefaultFor(missing));
    EXPECT_TRUE(player.isPlaying());
}

// The stream the server lists for the game: "index playing" or "index corked"; "" when there is
// none (or more than one).
QString theStream() {
    const QString list = runPactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
    const QStringList streams = list.split(QStringLiteral("Sink Input #"), Qt::SkipEmptyParts);
    if (list == QStringLiteral("?") || streams.size() != 1) return QString();
    const QString& stream = streams.front();
    return stream.section(QLatin1Char('\n'), 0, 0).trimmed() +
           (stream.contains(QStringLiteral("Corked: yes")) ? QStringLiteral(" corked")
                                                           : QStringLiteral(" playing"));
}

// Context switches so far of every thread of this program but the test's own: the wake-ups of
// the sound library's thread and of anything else running beside the test.
long long otherThreadsSwitches() {
    long long switches = 0;
    const std::string self = std::to_string(getpid());
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        if (task.path().filename() == self) continue;
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);) {
            std::istringstream words(line);
            std::string name;
            long long count = 0;
            if (words >> name >> count && name.find("ctxt_switches:") != std::string::npos)
                switches += count;
        }
    }
    return switches;
}

// One stream for the whole run: each sound is written to it; once a sound has been heard nothing
// of the game wakes until the next sound, and after a while of silence the stream is corked.
TEST_F(SoundPlayerOnServer, OneStreamForTheRunAsleepBetweenSounds) {
    SoundPlayer player;
    const std::string shortSound = write("short.kps", sound(100));
    const std::string longSound = write("long.kps", sound(800));
    player.play(longSound);
    ASSERT_TRUE(player.isPlaying());
    ASSERT_TRUE(eventually([] { return theStream().endsWith(QStringLiteral(" playing")); }));
    const QString stream = theStream();
    for (const std::string& path : {shortSound, longSound}) {
        player.play(path);
        ASSERT_TRUE(player.isPlaying());
        EXPECT_EQ(theStream(), stream);
    }
    QElapsedTimer heard;
    heard.start();
    EXPECT_TRUE(eventually([&] { return !player.isPlaying(); }));
    // Not before the last sound could be heard whole.
    EXPECT_GE(heard.elapsed(), 800);

    const long long before = otherThreadsSwitches();
    QThread::msleep(1000);
    EXPECT_LE(otherThreadsSwitches() - before, 2) << "wake-ups in a second between sounds";
    QDeadlineTimer corked(SoundVoice::kCorkAfterSilenceMs + kAnswerMs);
    while (theStream() != stream.section(QLatin1Char(' '), 0, 0) + QStringLiteral(" corked") &&
           !corked.hasExpired())
        QThread::msleep(50);
    EXPECT_EQ(theStream(), stream.section(QLatin1Char(' '), 0, 0) + QStringLiteral(" corked"));

    player.play(shortSound);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(eventually([&] { return theStream() == stream; }));
}

// The long sound is dropped from the stream at once: the server has played everything soon after
// the short sound's length, long before the long one's.
TEST_F(SoundPlayerOnServer, ANewSoundCutsTheOnePlaying) {
    SoundPlayer player;
    player.play(write("long.kps", sound(60'000)));
    QThread::msleep(100);
    player.play(write("short.kps", sound(100)));
    QElapsedTimer cut;
    cut.start();
    EXPECT_TRUE(eventually([&] { return !player.isPlaying(); }));
    // The short sound and its tail, and the server's own latency, well within a second: not the
    // two seconds after which a sound whose end never came is taken as played out.
    EXPECT_LT(cut.elapsed(), 1500);
    EXPECT_FALSE(theStream().isEmpty());
}

// Without its server the game goes on silently, without taking the files for broken; once the
// server is back, the next sounds play again.
TEST_F(SoundPlayerOnServer, SoundComesBackWithTheServer) {
    SoundPlayer player;
    const std::string path = write("short.kps", sound(100));
    player.play(path);
    ASSERT_TRUE(player.isPlaying());
    ASSERT_TRUE(eventually([] { return !theStream().isEmpty(); }));

    stopServer();
    QElapsedTimer silent;
    silent.start();
    for (int i = 0; i < 3; ++i) {
        player.play(path);
        EXPECT_FALSE(player.isPlaying());
    }
    EXPECT_LT(silent.elapsed(), kAnswerMs);
    EXPECT_FALSE(player.playsDefaultFor(path));

    ASSERT_TRUE(startServer());
    QThread::msleep(SoundVoice::kReconnectPauseMs + 100);
    player.play(path);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_FALSE(player.playsDefaultFor(path));
    EXPECT_TRUE(eventually([] { return theStream().endsWith(QStringLiteral(" playing")); }));
}

// Whatever is playing, the sound thread ends at once when the game ends, and its stream with it.
TEST_F(SoundPlayerOnServer, TheSoundThreadEndsAtOnceWhileASoundPlays) {
    const std::string path = write("long.kps", sound(60'000));
    QElapsedTimer ending;
    {
        SoundThread thread;
        thread.play(path);
        ASSERT_TRUE(eventually([] { return streamsAtServer() == 1; }));
        ending.start();
    }
    EXPECT_LT(ending.elapsed(), kAnswerMs);
    EXPECT_TRUE(eventually([] { return streamsAtServer() == 0; }));
}

} // namespace
} // namespace vorlin

// Starts the test's own sound server and points the program at it before anything asks for
// sound, as sound_lib.sh does for the real-window tests.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    vorlin::serverFolder = &folder;
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
    qputenv("PULSE_RUNTIME_PATH", folder.filePath("runtime").toLocal8Bit());
    qputenv("PULSE_SERVER", ("unix:" + folder.filePath("native")).toLocal8Bit());
    if (!vorlin::startServer()) return 1;
    int result = 0;
    {
        QGuiApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    vorlin::stopServer();
    return result;
}

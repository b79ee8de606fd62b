// The sound player on a real sound server of the test's own (PulseAudio with a null sink): what
// plays for each file, one stream at a time, closed as soon as the sound has been heard, and a
// sound thread that ends at once whatever is playing.

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

#include <fstream>
#include <functional>
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

// One stream at a time, and none once the sound has been heard: nothing runs between sounds.
TEST_F(SoundPlayerOnServer, OneStreamWhilePlayingAndNoneOnceHeard) {
    SoundPlayer player;
    const std::string shortSound = write("short.kps", sound(100));
    const std::string longSound = write("long.kps", sound(800));
    for (const std::string& path : {longSound, shortSound, longSound}) {
        player.play(path);
        ASSERT_TRUE(player.isPlaying());
        EXPECT_EQ(streamsAtServer(), 1);
    }
    QElapsedTimer heard;
    heard.start();
    EXPECT_TRUE(eventually([&] { return !player.isPlaying(); }));
    // Not before the last sound could be heard whole.
    EXPECT_GE(heard.elapsed(), 800);
    EXPECT_TRUE(eventually([] { return streamsAtServer() == 0; }));
}

TEST_F(SoundPlayerOnServer, ANewSoundCutsTheOnePlaying) {
    SoundPlayer player;
    player.play(write("long.kps", sound(60'000)));
    QThread::msleep(100);
    player.play(write("short.kps", sound(100)));
    EXPECT_TRUE(eventually([&] { return !player.isPlaying(); }));
    EXPECT_TRUE(eventually([] { return streamsAtServer() == 0; }));
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
    QProcess server;
    server.setEnvironment(QProcess::systemEnvironment() + vorlin::serverEnvironment());
    server.start(
        QStringLiteral("pulseaudio"),
        {"--system=no", "--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
         "--disable-shm=yes", "--realtime=no", "--high-priority=no", "--no-cpu-limit=yes", "-L",
         "module-null-sink sink_name=vorlin_test rate=8000 channels=1", "-L",
         "module-native-protocol-unix socket=" + folder.filePath("native") + " auth-anonymous=1"});
    QDeadlineTimer deadline(vorlin::kServerStartMs);
    while (vorlin::runPactl({QStringLiteral("info")}) == QStringLiteral("?")) {
        if (deadline.hasExpired() || server.state() == QProcess::NotRunning) {
            std::fprintf(stderr, "the sound server did not start: %s\n",
                         server.readAllStandardError().constData());
            return 1;
        }
        QThread::msleep(100);
    }
    int result = 0;
    {
        QGuiApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    server.terminate();
    server.waitForFinished(vorlin::kAnswerMs);
    return result;
}

// The sound player on a desktop without a sound server: nothing plays and the game goes on; a
// file that cannot play is still known for it, one that can is not taken for broken, so that
// it plays once a server is there.

#include "desktop/sound_player.h"
#include "wave_bytes.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace vorlin {
namespace {

using namespace wave_bytes;

TEST(SoundWithoutAServer, TheGameGoesOnSilently) {
    QTemporaryDir folder;
    auto write = [&folder](const char* name, const std::string& content) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        std::ofstream(path.toStdString(), std::ios::binary) << content;
        return path;
    };
    const std::string whole = riff(formatChunk({}) + samples(200));
    const QString wholePath = write("whole.kps", whole);
    const QString damagedPath = write("damaged.kps", whole.substr(0, 60));
    SoundPlayer player;
    for (const QString& path : {wholePath, damagedPath, wholePath}) {
        player.play(path.toStdString());
        EXPECT_EQ(player.playsDefaultFor(path.toStdString()), path == damagedPath)
            << path.toStdString();
        EXPECT_FALSE(player.isPlaying());
    }
}

} // namespace
} // namespace vorlin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No sound server, whatever the machine runs: the player must do without one.
    qputenv("PULSE_SERVER", "unix:/nonexistent/vorlin-test/native");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Sound files as a damaged data folder may hold them, and the player's promise never to be
// silent: whatever cannot play is replaced by the built-in beep.

#include "assets/sound_player.h"
#include "assets/wave_check.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include <sys/stat.h>

namespace vorlin {
namespace {

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string chunk(const char* id, const std::string& content) {
    std::string out(id, 4);
    put(out, static_cast<std::uint32_t>(content.size()), 4);
    out += content;
    if (content.size() % 2 == 1) out.push_back('\0');
    return out;
}

struct Format {
    std::uint32_t tag = 1;
    std::uint32_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint32_t bits = 16;
    int blockAlignError = 0;
};

std::string formatChunk(const Format& f, int extraBytes = 0) {
    const std::uint32_t blockAlign = f.channels * f.bits / 8 + f.blockAlignError;
    std::string content;
    put(content, f.tag, 2);
    put(content, f.channels, 2);
    put(content, f.rate, 4);
    put(content, f.rate * blockAlign, 4);
    put(content, blockAlign, 2);
    put(content, f.bits, 2);
    content.append(static_cast<std::size_t>(extraBytes), '\0');
    return chunk("fmt ", content);
}

std::string samples(std::size_t bytes) {
    return chunk("data", std::string(bytes, '\x10'));
}

// RIFF around the chunks; riffSizeError makes the RIFF size lie.
std::string riff(const std::string& chunks, int riffSizeError = 0) {
    std::string out = "RIFF";
    put(out, static_cast<std::uint32_t>(4 + chunks.size() + riffSizeError), 4);
    return out + "WAVE" + chunks;
}

const std::string kWhole = riff(formatChunk({}) + samples(200));

class SoundFiles : public ::testing::Test {
  protected:
    QString write(const std::string& name, const std::string& content) {
        const QString path = folder.filePath(QString::fromStdString(name));
        std::ofstream(path.toStdString(), std::ios::binary) << content;
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(SoundFiles, OnlyWholePcmWavesArePlayable) {
    struct Case {
        const char* name;
        std::string content;
        bool playable;
    };
    const Case cases[] = {
        {"whole", kWhole, true},
        {"a list chunk first", riff(chunk("LIST", "INFOxx") + formatChunk({}) + samples(8)), true},
        {"longer format chunk", riff(formatChunk({}, 2) + samples(8)), true},
        {"stereo 8 bits, one sample", riff(formatChunk({1, 2, 11025, 8}) + samples(2)), true},
        {"cut in the samples", kWhole.substr(0, kWhole.size() - 1), false},
        {"only the first 36 bytes", kWhole.substr(0, 36), false},
        {"RIFF size past the end", riff(formatChunk({}) + samples(8), 2), false},
        {"data size past the RIFF's end",
         riff(formatChunk({}) + std::string("data\x90\x01\x00\x00", 8) + std::string(8, '\x10')),
         false},
        {"no samples", riff(formatChunk({}) + samples(0)), false},
        {"half a sample", riff(formatChunk({1, 2}) + samples(2)), false},
        {"samples before the format", riff(samples(8) + formatChunk({})), false},
        {"no data chunk", riff(formatChunk({})), false},
        {"no format chunk", riff(samples(8)), false},
        {"format chunk too short", riff(chunk("fmt ", "\x01\x00\x01\x00") + samples(8)), false},
        {"floating point", riff(formatChunk({3, 1, 22050, 32}) + samples(8)), false},
        {"three channels", riff(formatChunk({1, 3}) + samples(12)), false},
        {"no channel", riff(formatChunk({1, 0}) + samples(8)), false},
        {"24 bits", riff(formatChunk({1, 1, 22050, 24}) + samples(9)), false},
        {"rate 0", riff(formatChunk({1, 1, 0}) + samples(8)), false},
        {"rate of a million", riff(formatChunk({1, 1, 1000000}) + samples(8)), false},
        {"wrong block size", riff(formatChunk({1, 1, 22050, 16, 1}) + samples(8)), false},
        {"not RIFF", "RIFX" + kWhole.substr(4), false},
        {"not WAVE", kWhole.substr(0, 8) + "AVI " + kWhole.substr(12), false},
        {"empty", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isPlayableWave(write("B154.kps", c.content)), c.playable) << c.name;
}

// The game's own sounds must pass the check, or every one of them would play the beep.
TEST_F(SoundFiles, TheGamesOwnSoundsArePlayable) {
    for (const char* name : {"Blip2.kps", "B162.kps", "B154.kps", "B92b.kps", "Bnn1.kps"})
        EXPECT_TRUE(isPlayableWave(QStringLiteral(VORLIN_TEST_DATA_DIR "/") + name)) << name;
}

TEST_F(SoundFiles, WhatIsNotAFileIsNotPlayableAndNeverBlocks) {
    const QString pipe = folder.filePath("pipe.kps");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(isPlayableWave(pipe));
    EXPECT_FALSE(isPlayableWave(folder.path()));
    EXPECT_FALSE(isPlayableWave(folder.filePath("missing.kps")));
    EXPECT_FALSE(isPlayableWave(QStringLiteral("/dev/zero")));
}

TEST_F(SoundFiles, WhatCannotPlayPlaysTheBeepInstead) {
    // Whole by the rules of RIFF, but the sound system does not skip the pad byte after a chunk
    // of odd size: it reports an error only once it has tried to load the file.
    const std::string padded = riff(chunk("junk", "abc") + formatChunk({}) + samples(200));
    struct Case {
        const char* name;
        std::string content;
        bool beep;
    };
    const Case cases[] = {
        {"whole", kWhole, false},
        {"damaged", kWhole.substr(0, 60), true},
        {"refused by the sound system", padded, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SoundPlayer player;
        const QString path = write(std::string(c.name) + ".kps", c.content);
        player.play(path.toStdString());
        const auto source = [&] { return player.sourceFor(path.toStdString()); };
        // Loading runs in the background; give it a few seconds to answer.
        QDeadlineTimer deadline(5000);
        while (source() == path && c.beep && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (c.beep) {
            EXPECT_NE(source(), path);
            EXPECT_TRUE(isPlayableWave(source())) << source().toStdString();
        } else {
            EXPECT_EQ(source(), path);
        }
    }
}

} // namespace
} // namespace vorlin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

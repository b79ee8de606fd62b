// Sound files as a damaged data folder may hold them, and how the playable ones are read.

#include "assets/pcm_sound.h"
#include "wave_bytes.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include <sys/stat.h>

namespace vorlin {
namespace {

using namespace wave_bytes;

const std::string kWhole = riff(formatChunk({}) + samples(200));

// Whether the player reads the file at PATH as a sound, rather than playing the beep for it.
bool playable(const QString& path) {
    return PcmSound::load(path).has_value();
}

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
        EXPECT_EQ(playable(write("B154.kps", c.content)), c.playable) << c.name;
}

// The game's own sounds must pass the check, or every one of them would play the beep.
TEST_F(SoundFiles, TheGamesOwnSoundsArePlayable) {
    for (const char* name : {"Blip2.kps", "B162.kps", "B154.kps", "B92b.kps", "Bnn1.kps"})
        EXPECT_TRUE(playable(QStringLiteral(VORLIN_TEST_DATA_DIR "/") + name)) << name;
}

TEST_F(SoundFiles, WhatIsNotAFileIsNotPlayableAndNeverBlocks) {
    const QString pipe = folder.filePath("pipe.kps");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(playable(pipe));
    EXPECT_FALSE(playable(folder.path()));
    EXPECT_FALSE(playable(folder.filePath("missing.kps")));
    EXPECT_FALSE(playable(QStringLiteral("/dev/zero")));
}

// The samples handed to the audio output are the data chunk's, whole samples only, in the format
// the file gives, wherever the chunks lie.
TEST_F(SoundFiles, PlayableWavesAreReadAsTheirSamples) {
    std::string counting;
    for (int i = 0; i < 200; ++i)
        counting.push_back(static_cast<char>(i));
    struct Case {
        const char* name;
        std::string content;
        QAudioFormat::SampleFormat sampleFormat;
        int channels;
        int rate;
        std::string samples;
    };
    const Case cases[] = {
        {"16-bit mono", riff(formatChunk({}) + chunk("data", counting)), QAudioFormat::Int16, 1,
         22050, counting},
        {"8-bit stereo", riff(formatChunk({1, 2, 11025, 8}) + chunk("data", counting)),
         QAudioFormat::UInt8, 2, 11025, counting},
        {"after a chunk of odd size and its pad byte",
         riff(chunk("junk", "abc") + formatChunk({}) + chunk("LIST", "INFOx") +
              chunk("data", counting)),
         QAudioFormat::Int16, 1, 22050, counting},
        {"a last half sample left out",
         riff(formatChunk({1, 2}) + chunk("data", counting.substr(0, 199))), QAudioFormat::Int16, 2,
         22050, counting.substr(0, 196)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<PcmSound> sound = PcmSound::load(write("B154.kps", c.content));
        ASSERT_TRUE(sound.has_value());
        EXPECT_EQ(sound->format().sampleFormat(), c.sampleFormat);
        EXPECT_EQ(sound->format().channelCount(), c.channels);
        EXPECT_EQ(sound->format().sampleRate(), c.rate);
        // Little-endian in the file and on this machine: the bytes are the file's.
        EXPECT_EQ(sound->samples().toStdString(), c.samples);
    }
    EXPECT_FALSE(PcmSound::load(write("B154.kps", kWhole.substr(0, 60))).has_value());
    EXPECT_FALSE(PcmSound::load(folder.filePath("missing.kps")).has_value());
}

TEST_F(SoundFiles, AHugeSoundIsCutAtTheLongestLength) {
    constexpr int rate = 4000;
    const std::size_t frames = (PcmSound::kLongestSeconds + 1) * rate;
    const std::optional<PcmSound> sound =
        PcmSound::load(write("long.kps", riff(formatChunk({1, 1, rate, 8}) + samples(frames))));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->samples().size(), PcmSound::kLongestSeconds * rate);
}

} // namespace
} // namespace vorlin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

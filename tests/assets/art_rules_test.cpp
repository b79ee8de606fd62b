// The generated pictures and sounds must follow the rules the game draws and plays them by:
// masks pure black on pure white, colour pictures black outside the shape and never pure black
// inside it, exact sheet sizes, a mirrored character, a dark night, clean WAVE sounds.

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const QString kDataDir = QStringLiteral(VORLIN_TEST_DATA_DIR);
const QString kGeneratedDir = QStringLiteral(VORLIN_TEST_GENERATED_DIR);

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr int kBmpBitsOffset = 28;
constexpr int kCharacterCellWidth = 96;
constexpr int kCharacterCellHeight = 78;
constexpr int kCharacterRows = 10;
constexpr int kTurnShift = 40;
constexpr int kDarknessBrightest = 48;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QRgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Loads a picture and checks it is a 24-bit bitmap, whatever its extension.
QImage loadBitmap(const QString& path) {
    const QByteArray bytes = readAll(path);
    EXPECT_GT(bytes.size(), kBmpBitsOffset + 2) << path.toStdString();
    if (bytes.size() <= kBmpBitsOffset + 2) return {};
    EXPECT_TRUE(bytes.startsWith("BM")) << path.toStdString();
    EXPECT_EQ(static_cast<unsigned char>(bytes[kBmpBitsOffset]), 24) << path.toStdString();
    QImage image;
    EXPECT_TRUE(image.loadFromData(bytes)) << path.toStdString();
    return image;
}

struct SheetCase {
    const char* mask;
    const char* colour;
    int columns;
    int rows;
    int cellWidth;
    int cellHeight;
    bool generated; // built into the program rather than read from dati/
};

std::ostream& operator<<(std::ostream& out, const SheetCase& sheet) {
    return out << sheet.colour;
}

class SheetRules : public testing::TestWithParam<SheetCase> {
  protected:
    void SetUp() override {
        const SheetCase& sheet = GetParam();
        const QString& folder = sheet.generated ? kGeneratedDir : kDataDir;
        mask_ = loadBitmap(folder + "/" + sheet.mask);
        colour_ = loadBitmap(folder + "/" + sheet.colour);
        ASSERT_FALSE(mask_.isNull());
        ASSERT_FALSE(colour_.isNull());
    }
    QImage mask_;
    QImage colour_;
};

TEST_P(SheetRules, HasExactlyTheSizeOfItsGrid) {
    const SheetCase& sheet = GetParam();
    const QSize expected(sheet.columns * sheet.cellWidth, sheet.rows * sheet.cellHeight);
    EXPECT_EQ(mask_.size(), expected);
    EXPECT_EQ(colour_.size(), expected);
}

TEST_P(SheetRules, MaskAndColourAgreePixelByPixel) {
    ASSERT_EQ(mask_.size(), colour_.size());
    int greys = 0, colourUnderWhite = 0, invisibleShape = 0;
    for (int y = 0; y < mask_.height(); ++y) {
        for (int x = 0; x < mask_.width(); ++x) {
            const QRgb m = rgbAt(mask_, x, y);
            const QRgb c = rgbAt(colour_, x, y);
            if (m != kBlack && m != kWhite) ++greys;
            if (m == kWhite && c != kBlack) ++colourUnderWhite;
            if (m == kBlack && c == kBlack) ++invisibleShape;
        }
    }
    EXPECT_EQ(greys, 0) << "the mask must be pure black and white";
    EXPECT_EQ(colourUnderWhite, 0) << "outside the shape the colour picture must be black";
    EXPECT_EQ(invisibleShape, 0) << "pure black inside the shape would vanish when drawn";
}

TEST_P(SheetRules, EveryCellHoldsAShape) {
    const SheetCase& sheet = GetParam();
    for (int column = 0; column < sheet.columns; ++column) {
        for (int row = 0; row < sheet.rows; ++row) {
            int shapePixels = 0;
            for (int y = 0; y < sheet.cellHeight; ++y)
                for (int x = 0; x < sheet.cellWidth; ++x)
                    shapePixels += rgbAt(mask_, column * sheet.cellWidth + x,
                                         row * sheet.cellHeight + y) == kBlack;
            EXPECT_GT(shapePixels, sheet.cellWidth * sheet.cellHeight / 20)
                << "cell " << column + 1 << "," << row + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryPair, SheetRules,
    testing::Values(SheetCase{"VorlinN.bmp", "VorlinS.bmp", 2, 10, 96, 78, true},
                    SheetCase{"W1nero.kpb", "W1colore.kpb", 6, 8, 25, 25, false},
                    SheetCase{"Bananane.kpb", "Bananaco.kpb", 6, 1, 56, 56, false},
                    SheetCase{"ElicaNer.kpb", "ElicaCol.kpb", 6, 3, 118, 83, false},
                    SheetCase{"BaseN.kpb", "BaseC.kpb", 1, 6, 720, 30, false},
                    SheetCase{"BaseBisN.kpb", "BaseBisC.kpb", 1, 6, 720, 60, false},
                    SheetCase{"MuroN.kpb", "MuroC.kpb", 1, 6, 59, 80, false},
                    SheetCase{"CordaDiN.kpb", "CordaDiC.kpb", 1, 1, 118, 180, false},
                    SheetCase{"CordaDaN.kpb", "CordaDaC.kpb", 1, 1, 118, 671, false}));

TEST(CharacterSheet, FacingLeftIsTheExactMirrorOfFacingRight) {
    for (const char* name : {"VorlinS.bmp", "VorlinN.bmp"}) {
        const QImage sheet = loadBitmap(kGeneratedDir + "/" + name);
        ASSERT_EQ(sheet.width(), 2 * kCharacterCellWidth) << name;
        int differences = 0;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < kCharacterCellWidth; ++x)
                differences += sheet.pixel(x, y) != sheet.pixel(2 * kCharacterCellWidth - 1 - x, y);
        EXPECT_EQ(differences, 0) << name;
    }
}

// The middle column of the feet, taken over the bottom rows where nothing but the feet is.
double feetCentre(const QImage& mask, int column, int row) {
    constexpr int kLegsTop = 68;
    long sum = 0, count = 0;
    for (int y = kLegsTop; y < kCharacterCellHeight; ++y) {
        for (int x = 0; x < kCharacterCellWidth; ++x) {
            if (rgbAt(mask, column * kCharacterCellWidth + x, row * kCharacterCellHeight + y) ==
                kBlack) {
                sum += x;
                ++count;
            }
        }
    }
    return count ? double(sum) / count : -1000.0;
}

TEST(CharacterSheet, TurningOnTheSpotKeepsTheBodyInPlace) {
    // A turn moves the frame 40 pixels: the left-facing body must land where the right one stood.
    const QImage mask = loadBitmap(kGeneratedDir + "/VorlinN.bmp");
    ASSERT_EQ(mask.height(), kCharacterRows * kCharacterCellHeight);
    for (int row = 0; row < kCharacterRows; ++row) {
        const double right = feetCentre(mask, 0, row);
        const double left = feetCentre(mask, 1, row) + kTurnShift;
        EXPECT_NEAR(right, left, 6.0) << "row " << row + 1;
    }
}

TEST(CharacterSheet, FeetStandOnTheBottomRows) {
    const QImage mask = loadBitmap(kGeneratedDir + "/VorlinN.bmp");
    for (int row = 0; row < kCharacterRows; ++row) {
        int lowest = -1;
        for (int y = 0; y < kCharacterCellHeight; ++y)
            for (int x = 0; x < kCharacterCellWidth; ++x)
                if (rgbAt(mask, x, row * kCharacterCellHeight + y) == kBlack) lowest = y;
        EXPECT_GE(lowest, 71) << "row " << row + 1;
    }
}

TEST(Darkness, IsDarkEverywhereAndCoversTheField) {
    const QImage night = loadBitmap(kDataDir + "/BuioCol.kpb");
    ASSERT_GE(night.width(), 640);
    ASSERT_GE(night.height(), 460);
    int tooBright = 0;
    for (int y = 0; y < night.height(); ++y) {
        for (int x = 0; x < night.width(); ++x) {
            const QRgb c = night.pixel(x, y);
            tooBright += qRed(c) > kDarknessBrightest || qGreen(c) > kDarknessBrightest ||
                         qBlue(c) > kDarknessBrightest;
        }
    }
    EXPECT_EQ(tooBright, 0);
}

TEST(PlainPictures, HaveTheirSizes) {
    const struct {
        QString path;
        QSize size;
    } pictures[] = {
        {kDataDir + "/Sfondo1.kpb", {640, 480}},     {kDataDir + "/Sfondo2.kpb", {640, 480}},
        {kDataDir + "/Sfondo3.kpb", {640, 480}},     {kDataDir + "/Sfondo4.kpb", {640, 480}},
        {kDataDir + "/Sfondo5.kpb", {640, 480}},     {kDataDir + "/Sfondo6.kpb", {640, 480}},
        {kGeneratedDir + "/Image1.bmp", {298, 226}}, {kGeneratedDir + "/Image2.bmp", {278, 79}}};
    for (const auto& picture : pictures)
        EXPECT_EQ(loadBitmap(picture.path).size(), picture.size) << picture.path.toStdString();
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_EQ(QImage(kGeneratedDir + QStringLiteral("/icons/%1.png").arg(size)).size(),
                  QSize(size, size));
}

TEST(PauseSign, IsAMatchingPairThatFitsTheFieldWhereItIsDrawn) {
    const QImage mask = loadBitmap(kDataDir + "/PausaN1.kpb");
    const QImage colour = loadBitmap(kDataDir + "/PausaC1.kpb");
    ASSERT_EQ(mask.size(), colour.size());
    EXPECT_LE(282 + mask.width(), 640);
    EXPECT_LE(228 + mask.height(), 460);
    int shown = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = rgbAt(mask, x, y);
            ASSERT_TRUE(m == kBlack || m == kWhite);
            if (m == kWhite) {
                EXPECT_EQ(rgbAt(colour, x, y), kBlack);
            }
            shown += m == kBlack && rgbAt(colour, x, y) != kBlack;
        }
    }
    EXPECT_GT(shown, mask.width() * mask.height() / 2);
}

std::uint32_t littleEndian(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::int16_t sampleAt(const QByteArray& bytes, int dataOffset, int index) {
    return static_cast<std::int16_t>(littleEndian(bytes, dataOffset + 2 * index, 2));
}

TEST(Sounds, AreCleanShortMonoWaves) {
    const struct {
        const char* name;
        double longestSeconds;
    } sounds[] = {{"Blip2.kps", 1.0},
                  {"B162.kps", 1.0},
                  {"B154.kps", 1.0},
                  {"B92b.kps", 1.0},
                  {"Bnn1.kps", 2.0}};
    constexpr int kHeader = 44;
    constexpr int kNearSilence = 64;
    constexpr int kLoudEnough = 16000;
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.name);
        const QByteArray wave = readAll(kDataDir + "/" + sound.name);
        ASSERT_GT(wave.size(), kHeader);
        EXPECT_EQ(wave.left(4), "RIFF");
        EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(littleEndian(wave, 4, 4), std::uint32_t(wave.size() - 8));
        EXPECT_EQ(littleEndian(wave, 20, 2), 1u) << "PCM";
        EXPECT_EQ(littleEndian(wave, 22, 2), 1u) << "mono";
        const std::uint32_t rate = littleEndian(wave, 24, 4);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
        EXPECT_EQ(littleEndian(wave, 34, 2), 16u) << "bits per sample";
        ASSERT_EQ(wave.mid(36, 4), "data");
        const std::uint32_t dataBytes = littleEndian(wave, 40, 4);
        ASSERT_EQ(dataBytes, std::uint32_t(wave.size() - kHeader));
        const int samples = int(dataBytes / 2);
        ASSERT_GT(samples, 0);
        const double seconds = double(samples) / rate;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LE(seconds, sound.longestSeconds);
        EXPECT_LT(std::abs(sampleAt(wave, kHeader, 0)), kNearSilence) << "click at the start";
        EXPECT_LT(std::abs(sampleAt(wave, kHeader, samples - 1)), kNearSilence)
            << "click at the end";
        int loudest = 0;
        for (int i = 0; i < samples; ++i)
            loudest = std::max(loudest, std::abs(int(sampleAt(wave, kHeader, i))));
        EXPECT_GT(loudest, kLoudEnough) << "not normalised";
    }
}

TEST(RecordTemplate, HoldsFourQuotedNamesOnCrLfLines) {
    const QByteArray text = readAll(kDataDir + "/Kpr4.kpr");
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 5) << "four lines and nothing after the last line end";
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 4; ++i) {
        const QByteArray& line = lines[i];
        ASSERT_TRUE(line.endsWith('\r')) << i;
        ASSERT_GE(line.size(), 4) << i;
        EXPECT_EQ(line.front(), '"');
        EXPECT_EQ(line[line.size() - 2], '"');
        const QByteArray name = line.mid(1, line.size() - 3);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(name.contains('"') || name.contains(','));
    }
}

} // namespace

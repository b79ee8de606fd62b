#include "data_folder_writer.h"

#include "icon_painter.h"
#include "sound_synth.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace artgen {

namespace {

// Four invented first names for the clean record file, one quoted field a line, CR LF ends.
constexpr char kRecordTemplate[] = "\"Ornella\"\r\n\"Tobia\"\r\n\"Ginevra\"\r\n\"Ettore\"\r\n";
// 3780 dots a metre is 96 dots an inch; fixed so the files are the same on every build.
constexpr int kDotsPerMetre = 3780;

QString joined(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

} // namespace

QString DataFolderWriter::ensureFolder(const QString& folder) {
    if (QDir().mkpath(folder)) return {};
    return QStringLiteral("Impossibile creare la cartella %1").arg(folder);
}

QString DataFolderWriter::writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, file.errorString());
    return {};
}

QString DataFolderWriter::writePng(const QString& path, const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return QStringLiteral("Impossibile codificare l'immagine %1").arg(path);
    return writeBytes(path, bytes);
}

QString DataFolderWriter::writeBitmap(const QString& path, const QImage& picture) const {
    // Stored as 24-bit colour, the format the game's picture loader expects.
    QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    opaque.setDotsPerMeterX(kDotsPerMetre);
    opaque.setDotsPerMeterY(kDotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!opaque.save(&buffer, "BMP"))
        return QStringLiteral("Impossibile codificare l'immagine %1").arg(path);
    return writeBytes(path, bytes);
}

QString DataFolderWriter::writePair(const QString& folder, const QString& maskName,
                                    const QString& colourName, const MaskedSheet& sheet) const {
    QString error = writeBitmap(joined(folder, maskName), sheet.mask());
    if (error.isEmpty()) error = writeBitmap(joined(folder, colourName), sheet.colour());
    return error;
}

QString DataFolderWriter::writeDataFolder(const QString& folder) const {
    if (QString error = ensureFolder(folder); !error.isEmpty()) return error;
    const struct {
        const char* mask;
        const char* colour;
        const MaskedSheet& sheet;
    } pairs[] = {{"BaseN.kpb", "BaseC.kpb", art_.platforms},
                 {"BaseBisN.kpb", "BaseBisC.kpb", art_.grounds},
                 {"MuroN.kpb", "MuroC.kpb", art_.walls},
                 {"Bananane.kpb", "Bananaco.kpb", art_.bananas},
                 {"W1nero.kpb", "W1colore.kpb", art_.objects},
                 {"ElicaNer.kpb", "ElicaCol.kpb", art_.lifts},
                 {"CordaDaN.kpb", "CordaDaC.kpb", art_.frontRope},
                 {"CordaDiN.kpb", "CordaDiC.kpb", art_.backRope},
                 {"PausaN1.kpb", "PausaC1.kpb", art_.pauseSign}};
    for (const auto& pair : pairs) {
        if (QString error = writePair(folder, QString::fromLatin1(pair.mask),
                                      QString::fromLatin1(pair.colour), pair.sheet);
            !error.isEmpty())
            return error;
    }
    for (std::size_t i = 0; i < art_.backgrounds.size(); ++i) {
        const QString name = QStringLiteral("Sfondo%1.kpb").arg(i + 1);
        if (QString error = writeBitmap(joined(folder, name), art_.backgrounds[i]);
            !error.isEmpty())
            return error;
    }
    if (QString error = writeBitmap(joined(folder, QStringLiteral("BuioCol.kpb")), art_.darkness);
        !error.isEmpty())
        return error;

    const SoundSynth synth;
    const struct {
        const char* name;
        std::vector<double> sound;
    } sounds[] = {{"Blip2.kps", synth.catchBlip()},
                  {"B162.kps", synth.lossTone()},
                  {"B154.kps", synth.chargeChord()},
                  {"B92b.kps", synth.bananaChime()},
                  {"Bnn1.kps", synth.schemeFanfare()}};
    for (const auto& sound : sounds) {
        const std::string wave = SoundSynth::encodeWave(sound.sound);
        if (QString error = writeBytes(joined(folder, QString::fromLatin1(sound.name)),
                                       QByteArray(wave.data(), qsizetype(wave.size())));
            !error.isEmpty())
            return error;
    }
    return writeBytes(joined(folder, QStringLiteral("Kpr4.kpr")), QByteArray(kRecordTemplate));
}

QString DataFolderWriter::writeEmbeddedFolder(const QString& folder) const {
    if (QString error = ensureFolder(folder); !error.isEmpty()) return error;
    if (QString error = writePair(folder, QStringLiteral("VorlinN.bmp"),
                                  QStringLiteral("VorlinS.bmp"), art_.character);
        !error.isEmpty())
        return error;
    if (QString error =
            writeBitmap(joined(folder, QStringLiteral("Image1.bmp")), art_.authorPicture);
        !error.isEmpty())
        return error;
    return writeBitmap(joined(folder, QStringLiteral("Image2.bmp")), art_.recordPanelStrip);
}

QString DataFolderWriter::writeIconFolder(const QString& folder) {
    if (QString error = ensureFolder(folder); !error.isEmpty()) return error;
    const IconPainter painter;
    for (const int size : IconPainter::kSizes) {
        if (QString error =
                writePng(joined(folder, QStringLiteral("%1.png").arg(size)), painter.icon(size));
            !error.isEmpty())
            return error;
    }
    return {};
}

} // namespace artgen

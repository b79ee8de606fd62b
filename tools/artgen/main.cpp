// artgen: draws every picture, makes every sound and writes the record template of the game.
//   artgen --dati DIR --embedded DIR    writes the data folder and the built-in pictures
//   artgen --icons DIR                  writes the desktop icons, one PNG a size
//   artgen --contact-sheet FILE.png     writes one review picture of all the art

#include "art_catalogue.h"
#include "contact_sheet.h"
#include "data_folder_writer.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "artgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no window is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Disegna le immagini e i suoni di Vorlin."));
    parser.addHelpOption();
    const QCommandLineOption dataOption(QStringLiteral("dati"),
                                        QStringLiteral("Cartella dei dati del gioco."),
                                        QStringLiteral("cartella"));
    const QCommandLineOption embeddedOption(QStringLiteral("embedded"),
                                            QStringLiteral("Cartella delle immagini incorporate."),
                                            QStringLiteral("cartella"));
    const QCommandLineOption contactOption(QStringLiteral("contact-sheet"),
                                           QStringLiteral("Immagine PNG di revisione."),
                                           QStringLiteral("file"));
    const QCommandLineOption iconOption(QStringLiteral("icons"),
                                        QStringLiteral("Cartella delle icone per il desktop."),
                                        QStringLiteral("cartella"));
    parser.addOptions({dataOption, embeddedOption, iconOption, contactOption});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("argomento non riconosciuto: %1")
                        .arg(parser.positionalArguments().first()));
    const bool writesData = parser.isSet(dataOption) || parser.isSet(embeddedOption);
    if (!writesData && !parser.isSet(iconOption) && !parser.isSet(contactOption))
        return fail(QStringLiteral("indicare --dati e --embedded, --icons oppure --contact-sheet"));
    if (writesData && !(parser.isSet(dataOption) && parser.isSet(embeddedOption)))
        return fail(QStringLiteral("--dati e --embedded vanno indicati insieme"));

    const artgen::ArtCatalogue art = artgen::ArtCatalogue::draw();
    if (writesData) {
        const artgen::DataFolderWriter writer(art);
        if (QString error = writer.writeDataFolder(parser.value(dataOption)); !error.isEmpty())
            return fail(error);
        if (QString error = writer.writeEmbeddedFolder(parser.value(embeddedOption));
            !error.isEmpty())
            return fail(error);
    }
    if (parser.isSet(iconOption)) {
        if (QString error = artgen::DataFolderWriter::writeIconFolder(parser.value(iconOption));
            !error.isEmpty())
            return fail(error);
    }
    if (parser.isSet(contactOption)) {
        const QString path = parser.value(contactOption);
        if (!artgen::ContactSheet(art).compose().save(path, "PNG"))
            return fail(QStringLiteral("impossibile scrivere %1").arg(path));
    }
    return 0;
}

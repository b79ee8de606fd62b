// The game's executable: one window, its data folder beside it.

#include "display/termination_pipe.h"
#include "program_folders.h"
#include "records/record_store.h"
#include "screens/form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QStyleFactory>

#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

constexpr const char* kVersionLine = "Vorlin 4.01";
constexpr const char* kHelpLine =
    "Uso: vorlin  (gioco arcade; frecce per camminare, P pausa, Esc menu/uscita; nessuna opzione)";

bool displayAvailable() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // --version and --help answer in one line; any other argument changes nothing.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::cout << kVersionLine << '\n';
            return 0;
        }
        if (argument == "--help") {
            std::cout << kHelpLine << '\n';
            return 0;
        }
    }
    if (!displayAvailable()) {
        std::cerr
            << "vorlin: nessuno schermo disponibile (DISPLAY non impostato); avviare il gioco "
               "dal desktop oppure con: xvfb-run vorlin\n";
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    vorlin::FormOptions options;
    options.programFolder = vorlin::executableFolder();
    options.fallbackRecordFolder = vorlin::RecordStore::defaultFallbackFolder();
    vorlin::Form1 form(options);
    if (!form.Form_Load()) {
        const QString message = QStringLiteral("Vorlin non può partire. ") + form.loadError();
        std::cerr << message.toStdString() << '\n';
        QMessageBox::critical(nullptr, QStringLiteral("Vorlin"), message);
        return 1;
    }
    // Asked to end by a signal (SIGINT, SIGTERM, SIGHUP): the start-up screen mode is put back
    // first, as when the player leaves with "Esci".
    const int terminationFd = vorlin::installTerminationPipe();
    if (terminationFd >= 0) {
        auto* notifier = new QSocketNotifier(terminationFd, QSocketNotifier::Read, &form);
        QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form, terminationFd] {
            vorlin::readTerminationSignal(terminationFd);
            form.endProgramOnRequest();
        });
    }
    form.show();
    return QApplication::exec();
}

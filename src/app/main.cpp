// The game's executable: one window, its data folder beside it.

#include "display/termination_pipe.h"
#include "figures_report.h"
#include "program_folders.h"
#include "records/record_store.h"
#include "screens/form1.h"
#include "screens/game_message.h"
#include "screens/gamepad_actions.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QStyleFactory>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>

namespace {

constexpr const char* kVersionLine = "Vorlin 4.01";
// The options and the keys, in the words of the manual page vorlin(6).
constexpr const char* kHelpText =
    "Uso: vorlin [--help | --version]\n"
    "Vorlin, gioco arcade: una creatura gialla dalla lunga coda cattura i cristalli che cadono.\n"
    "\n"
    "Opzioni:\n"
    "  --help\n"
    "      Mostra le opzioni e i tasti ed esce.\n"
    "  --version\n"
    "      Mostra la versione ed esce.\n"
    "Ogni altro argomento viene ignorato.\n"
    "\n"
    "Tasti:\n"
    "  Freccia sinistra, freccia destra\n"
    "      Camminano a sinistra e a destra, anche sugli ascensori.\n"
    "  P\n"
    "      Mette in pausa la partita e la riprende.\n"
    "  Esc\n"
    "      Ferma la partita e mostra la barra dei pulsanti; a partita ferma esce.\n"
    "\n"
    "I record stanno in Recordc1.kpr, nella cartella del programma se il gioco vi può\n"
    "scrivere, altrimenti in $XDG_DATA_HOME/vorlin/ (vedere il manuale: man 6 vorlin).\n";

bool displayAvailable() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

// With no session bus, the accessibility bridge and the game-controller library would each
// have D-Bus start one for the display (dbus-launch --autolaunch, which the first paint waits
// on). A desktop session has its bus in the environment, or at $XDG_RUNTIME_DIR/bus; without
// either, an address that names no bus lets them go on at once without one.
void preventSessionBusAutolaunch() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return;
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    std::error_code error;
    if (!runtimeFolder.isEmpty() &&
        std::filesystem::is_socket(std::filesystem::path(runtimeFolder.toStdString()) / "bus",
                                   error))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

} // namespace

int main(int argc, char* argv[]) {
    // --version answers in one line, --help with the options and the keys; any other argument
    // changes nothing.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::cout << kVersionLine << '\n';
            return 0;
        }
        if (argument == "--help") {
            std::cout << kHelpText;
            return 0;
        }
    }
    if (!displayAvailable()) {
        std::cerr
            << "vorlin: nessuno schermo disponibile (DISPLAY non impostato); avviare il gioco "
               "dal desktop oppure con: xvfb-run vorlin\n";
        return 1;
    }

    // At 1 ms a tick the game's timers wake a thousand times a second. Qt's own event loop waits
    // for them to the microsecond; the GLib loop it otherwise runs on rounds each wait up to a
    // whole millisecond and loses about one tick in ten. A player's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    preventSessionBusAutolaunch();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // On Wayland the desktop matches the window to its menu entry (name and icon) by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vorlin"));

    vorlin::FormOptions options;
    options.programFolder = vorlin::executableFolder();
    options.fallbackRecordFolder = vorlin::RecordStore::defaultFallbackFolder();
    vorlin::Form1 form(options);
    if (!form.Form_Load()) {
        const QString message = QStringLiteral("Vorlin non può partire. ") + form.loadError();
        std::cerr << message.toStdString() << '\n';
        vorlin::newGameMessage(nullptr, QMessageBox::Critical, message)->exec();
        return 1;
    }
    // Asked to end by a signal (SIGINT, SIGTERM, SIGHUP, SIGQUIT): the start-up screen mode is put
    // back first, as when the player leaves with "Esci".
    const int terminationFd = vorlin::installTerminationPipe();
    if (terminationFd >= 0) {
        auto* notifier = new QSocketNotifier(terminationFd, QSocketNotifier::Read, &form);
        QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form, terminationFd] {
            vorlin::readTerminationSignal(terminationFd);
            form.endProgramOnRequest();
        });
    }
    form.showOnDesktop();
    vorlin::reportFiguresWhenAsked(form);
    // Game controllers press the same keys; without one, or without SDL, nothing changes.
    vorlin::GamepadInput gamepad(vorlin::windowActions(form), vorlin::desktopKeyRepeat());
    gamepad.pollFromEventLoop();
    return QApplication::exec();
}

// The game's executable: one window, its data folder beside it.

#include "desktop/caret_rest.h"
#include "display/mode_guardian.h"
#include "display/xrandr_backend.h"
#include "figures_report.h"
#include "program_folders.h"
#include "records/record_store.h"
#include "screens/form1.h"
#include "screens/game_language.h"
#include "screens/game_message.h"
#include "screens/gamepad_actions.h"
#include "system_limits.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>

namespace {

using vorlin::SystemLimits;

constexpr const char* kVersionLine = "Vorlin 4.01";
// The options, the keys and the controller buttons, in the words of the manual page vorlin(6).
constexpr const char* kHelpText = QT_TRANSLATE_NOOP(
    "main",
    "Uso: vorlin [--help | --version]\n"
    "Vorlin, gioco arcade: una creatura gialla dalla lunga coda cattura i cristalli che cadono.\n"
    "\n"
    "Opzioni:\n"
    "  --help\n"
    "      Mostra le opzioni, i tasti e i pulsanti dei controller ed esce.\n"
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
    "Controller di gioco (ogni controller che SDL 2 conosce):\n"
    "  Croce direzionale o levetta sinistra, a sinistra e a destra\n"
    "      Come le frecce sinistra e destra; tenute premute, ripetono il passo.\n"
    "  Start\n"
    "      Come P.\n"
    "  Back (Select, View, Share), B (il pulsante a est)\n"
    "      Come Esc.\n"
    "  A (il pulsante a sud)\n"
    "      Nel pannello iniziale avvia la partita, come il pulsante \"Start\";\n"
    "      altrove preme il pulsante che ha il fuoco, come la barra spaziatrice.\n"
    "\n"
    "I record stanno in Recordc1.kpr, in $XDG_DATA_HOME/vorlin/ per il gioco installato;\n"
    "una copia personale del gioco li tiene nella sua cartella se vi può scrivere (vedere il\n"
    "manuale: man 6 vorlin).\n");

bool displayAvailable() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

// The texts of the program itself, in the game's language: set before anything is said.
const vorlin::GameTranslation* programTexts = nullptr;

QString said(const char* source) {
    return programTexts->text("main", source);
}

constexpr const char* kLackOfMemory = QT_TRANSLATE_NOOP(
    "main", "Memoria insufficiente: il sistema non concede al gioco la memoria che gli serve.");

QString tooFewDescriptors(long freeDescriptors) {
    return said(QT_TRANSLATE_NOOP("main",
                                  "Il sistema concede al gioco troppo pochi file aperti: ne "
                                  "restano %1 liberi, ne servono almeno %2 (limite dei "
                                  "descrittori di file, ulimit -n)."))
        .arg(std::max(freeDescriptors, 0L))
        .arg(SystemLimits::kDescriptorsNeeded);
}

QString tooLittleMemory(long addressSpaceMiB) {
    return said(QT_TRANSLATE_NOOP("main",
                                  "Memoria insufficiente: il sistema concede al gioco %1 MiB di "
                                  "spazio di indirizzi, ne servono almeno %2 (ulimit -v)."))
        .arg(addressSpaceMiB)
        .arg(SystemLimits::kAddressSpaceNeededMiB);
}

// Why the system's limits do not let the game start; empty when they do.
QString limitsTooLow(long freeDescriptors, long addressSpaceMiB) {
    if (freeDescriptors < SystemLimits::kDescriptorsNeeded)
        return tooFewDescriptors(freeDescriptors);
    if (addressSpaceMiB < SystemLimits::kAddressSpaceNeededMiB)
        return tooLittleMemory(addressSpaceMiB);
    return {};
}

// What the system refused, by its error number, while WHAT was being set up.
QString systemRefusal(int error, const QString& what) {
    if (error == EMFILE || error == ENFILE)
        return said(QT_TRANSLATE_NOOP("main", "Il sistema non concede al gioco altri file aperti "
                                              "(limite dei descrittori di file, ulimit -n)."));
    if (error == ENOMEM) return said(kLackOfMemory);
    return said(QT_TRANSLATE_NOOP("main", "Il sistema ha rifiutato %1 (errore di sistema %2)."))
        .arg(what)
        .arg(error);
}

QString cannotStart(const QString& cause) {
    return said(QT_TRANSLATE_NOOP("main", "Vorlin non può partire. ")) + cause;
}

// Says why the game cannot start, on standard error and in a box, and gives the exit code.
int refuseToStart(const QString& cause) {
    const QString message = cannotStart(cause);
    std::cerr << message.toStdString() << '\n';
    vorlin::newGameMessage(nullptr, QMessageBox::Critical, message)->exec();
    return 1;
}

// The guardian's life: its own connection to the display, then the watch over the game.
int guardScreenMode(const vorlin::GuardedScreen& screen) {
    const std::unique_ptr<vorlin::XrandrBackend> display =
        vorlin::XrandrBackend::open(nullptr, screen.windowCentre);
    if (!display) return 1;
    vorlin::ModeGuardian::watch(vorlin::ModeGuardian::kChannelFd, *display, screen.startupMode);
    return 0;
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
    // Started by the game itself as the guardian of the screen mode: no window, no Qt.
    if (const auto screen = vorlin::ModeGuardian::parseArguments(argc, argv))
        return guardScreenMode(*screen);
    // The game speaks the desktop's language, Italian or English, from --help on.
    vorlin::GameTranslation translation(
        vorlin::languageForDesktop(QLocale::system().uiLanguages()));
    programTexts = &translation;
    // --version answers in one line, --help with the options and the keys; any other argument
    // changes nothing.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::cout << kVersionLine << '\n';
            return 0;
        }
        if (argument == "--help") {
            std::cout << said(kHelpText).toStdString();
            return 0;
        }
    }
    SystemLimits::raiseSoftLimits();
    const long freeDescriptors = SystemLimits::freeDescriptors();
    const long addressSpaceMiB = SystemLimits::addressSpaceMiB();
    const QString refusal = limitsTooLow(freeDescriptors, addressSpaceMiB);
    if (!displayAvailable()) {
        std::cerr << said(QT_TRANSLATE_NOOP("main",
                                            "vorlin: nessuno schermo disponibile (né DISPLAY né "
                                            "WAYLAND_DISPLAY impostati); avviare il gioco da una "
                                            "sessione del desktop (X11 o Wayland)\n"))
                         .toStdString();
        return 1;
    }

    // At 1 ms a tick the game's timers wake a thousand times a second. Qt's own event loop waits
    // for them to the microsecond; the GLib loop it otherwise runs on rounds each wait up to a
    // whole millisecond and loses about one tick in ten. A player's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    // On X11 the toolkit hands each painted part to the X server in memory the two share, and
    // before painting over a part not yet taken it waits for the server's answer: a moving
    // sprite always is, so every display refresh woke the game twice more and the toolkit's
    // X thread once. The parts a refresh paints are small, and sent down the connection they
    // cost less than that wait. A player's own choice stands; the toolkit reads it while the
    // application starts, and a program the game opens (a mail client for the author's
    // address) gets the desktop's own.
    const bool transferChosenByPlayer = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!transferChosenByPlayer) qputenv("QT_XCB_NO_MITSHM", "1");
    // Too little even for a message box: the toolkit could abort on the way to showing one.
    if (!refusal.isEmpty() && (freeDescriptors < SystemLimits::kDescriptorsForAMessage ||
                               addressSpaceMiB < SystemLimits::kAddressSpaceForAMessageMiB)) {
        std::cerr << cannotStart(refusal).toStdString() << '\n';
        return 1;
    }
    preventSessionBusAutolaunch();
    QApplication app(argc, argv);
    if (!transferChosenByPlayer) qunsetenv("QT_XCB_NO_MITSHM");
    translation.install();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // On Wayland the desktop matches the window to its menu entry (name and icon) by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vorlin"));

    if (!refusal.isEmpty()) return refuseToStart(refusal);

    vorlin::FormOptions options;
    options.programFolder = vorlin::executableFolder();
    options.fallbackRecordFolder = vorlin::RecordStore::defaultFallbackFolder();
    options.recordFolderRule = vorlin::recordFolderRuleFor(options.programFolder);
    // What the system refuses during the start-up (memory, descriptors) is told and ends the
    // program with an error, never with an abort.
    std::unique_ptr<vorlin::Form1> form;
    std::unique_ptr<vorlin::GamepadInput> gamepad;
    std::unique_ptr<vorlin::CaretRest> caretRest;
    try {
        form = std::make_unique<vorlin::Form1>(options);
        if (!form->Form_Load()) return refuseToStart(form->loadError());
        // Asked to end by a signal (SIGINT, SIGTERM, SIGHUP, SIGQUIT): a finished game's result
        // is stored and the start-up screen mode is put back first, as when the player leaves
        // with "Esci".
        if (!form->endOnTerminationSignals())
            return refuseToStart(
                systemRefusal(errno, said(QT_TRANSLATE_NOOP("main", "la gestione dei segnali"))));
        form->showOnDesktop();
        vorlin::reportFiguresWhenAsked(*form);
        // Game controllers press the same keys; without one, or without SDL, nothing changes.
        gamepad = std::make_unique<vorlin::GamepadInput>(vorlin::windowActions(*form),
                                                         vorlin::desktopKeyRepeat());
        gamepad->pollFromEventLoop();
        caretRest = std::make_unique<vorlin::CaretRest>();
    } catch (const std::bad_alloc&) {
        gamepad.reset();
        form.reset();
        return refuseToStart(said(kLackOfMemory));
    } catch (const std::system_error& error) {
        gamepad.reset();
        form.reset();
        return refuseToStart(
            systemRefusal(error.code().value(), QString::fromLocal8Bit(error.what())));
    }
    return QApplication::exec();
}

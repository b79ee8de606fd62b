// vorlin-replay: the real window without a display, on a virtual clock, driven by a script.
//   vorlin-replay [--program-folder DIR] [SCRIPT]

#include "app/program_folders.h"
#include "replay_runner.h"
#include "screens/form1.h"

#include <QApplication>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char* argv[]) {
    std::filesystem::path programFolder;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--program-folder" && i + 1 < argc)
            programFolder = argv[++i];
        else if (scriptPath.empty())
            scriptPath = argument;
        else {
            std::cerr << "usage: vorlin-replay [--program-folder DIR] [SCRIPT]\n";
            return 2;
        }
    }
    // By default the replay gets a fresh program folder with its own copy of dati/, so its
    // records never touch anyone else's. Its runtime folder is private too, so the toolkit has
    // nothing to warn about whatever the environment.
    QTemporaryDir scratch;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", scratch.path().toLocal8Bit());
    QApplication app(argc, argv);

    if (programFolder.empty()) {
        programFolder = scratch.path().toStdString();
        std::error_code error;
        std::filesystem::copy(vorlin::executableFolder() / "dati", programFolder / "dati",
                              std::filesystem::copy_options::recursive, error);
        if (error) {
            std::cerr << "cannot copy the data folder beside vorlin-replay: " << error.message()
                      << '\n';
            return 1;
        }
    }
    std::ifstream file;
    if (!scriptPath.empty()) {
        file.open(scriptPath);
        if (!file) {
            std::cerr << "cannot read " << scriptPath << '\n';
            return 2;
        }
    }
    std::istream& script = scriptPath.empty() ? std::cin : file;

    vorlin::VirtualClock clock;
    vorlin::FormOptions options;
    options.programFolder = programFolder;
    options.fallbackRecordFolder = programFolder / "records-fallback";
    options.clock = &clock;
    options.playSounds = false;
    options.realScreenModes = false;
    vorlin::Form1 form(options);
    if (!form.Form_Load()) {
        std::cerr << form.loadError().toStdString() << '\n';
        return 1;
    }
    form.show();
    vorlin::ReplayRunner runner(form, clock, std::cout, std::cerr);
    return runner.run(script);
}

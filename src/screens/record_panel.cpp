#include "record_panel.h"

#include "controls.h"
#include "game/game_state.h"
#include "game_message.h"
#include "painted_controls.h"
#include "record_messages.h"

#include <QScrollBar>
#include <QSignalBlocker>

namespace vorlin {

RecordPanel::RecordPanel(Controls& controls, GameState& state)
    : controls_(controls), state_(state),
      view_(store_, state.PosizioneUltimoRecord, state.SenzaEvidenziazione) {}

void RecordPanel::VerificaEsistenzaFileRecordOSuaCreazionePulito_(
    const std::filesystem::path& programFolder, const std::filesystem::path& fallbackFolder,
    RecordFolderRule rule) {
    store_.VerificaEsistenzaFileRecordOSuaCreazionePulito_(programFolder, fallbackFolder, rule);
}

void RecordPanel::InserimentoNuovoRecordNelFile_(int difficultyColour, const QString& points,
                                                 const QString& typedName) {
    state_.PosizioneUltimoRecord = 0;
    state_.SenzaEvidenziazione = 0;
    const InsertionResult result = store_.InserimentoNuovoRecordNelFile_(
        std::to_string(difficultyColour), points.toStdString(), RecordStore::todayDateText(),
        typedName.toStdString());
    state_.PosizioneUltimoRecord = result.PosizioneUltimoRecord;
    // Without any record folder the player hears it at the first game over only; every other
    // failed save is told each time.
    const bool toldAlready = store_.noRecordFolder() && noRecordFolderTold_;
    if (!result.saved() && !toldAlready) tellPlayer(result.errorMessage);
    noRecordFolderTold_ = noRecordFolderTold_ || store_.noRecordFolder();
    ScritturaRecordParte1_();
}

void RecordPanel::ScritturaRecordParte1_() {
    view_.ScritturaRecordParte1_();
    if (!view_.loadProblem().empty()) tellPlayer(view_.loadProblem());
    showScrollBar();
    paintRows();
}

void RecordPanel::VScroll1_Change() {
    view_.VScroll1_Change(controls_.scrollBar("VScroll1")->value());
    paintRows();
}

void RecordPanel::showScrollBar() {
    QScrollBar* bar = controls_.scrollBar("VScroll1");
    // The view has already refilled the rows for the new value.
    const QSignalBlocker quiet(bar);
    bar->setRange(view_.scrollMinimum(), view_.scrollMaximum());
    bar->setValue(view_.scrollValue());
}

void RecordPanel::paintRows() {
    for (int j = 1; j <= RecordTableView::kRighe; ++j) {
        const RecordRowView& row = view_.row(j);
        const std::string suffix = (j < 10 ? "0" : "") + std::to_string(j);
        controls_.setBackColour("Shape" + suffix, row.markerColour);
        const std::pair<const char*, const std::string*> cells[] = {
            {"P", &row.position}, {"R", &row.points}, {"D", &row.date}, {"G", &row.name}};
        for (const auto& [column, text] : cells) {
            const std::string name = column + suffix;
            controls_.setCaption(name, QString::fromStdString(*text));
            if (controls_.foreColour(name) != row.textColour)
                controls_.setForeColour(name, row.textColour);
        }
    }
}

void RecordPanel::tellPlayer(const std::string& message) {
    // The game goes on behind the box and after it. While the box is open, a further problem
    // is added below those it says, so that none is lost: a failed save is followed by the
    // table that cannot be read from the same file.
    const QString problem = recordMessageInLanguage(message);
    if (!warning_) {
        problemsTold_ = QStringList{problem};
        warning_ = newGameMessage(controls_.widget("Frame2"), QMessageBox::Warning, problem);
        warning_->open();
    } else if (!problemsTold_.contains(problem)) {
        problemsTold_.append(problem);
        setGameMessageText(*warning_, problemsTold_.join(QStringLiteral("\n\n")));
    }
}

} // namespace vorlin

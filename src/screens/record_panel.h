#pragma once

#include "records/record_store.h"
#include "records/record_table_view.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace vorlin {

class Controls;
struct GameState;

// The record panel's side of the records: the record folder chosen at start-up, the insertion
// of a finished game's result, and the ten-row grid with its scroll bar and "R" button.
class RecordPanel {
  public:
    RecordPanel(Controls& controls, GameState& state);

    void
    VerificaEsistenzaFileRecordOSuaCreazionePulito_(const std::filesystem::path& programFolder,
                                                    const std::filesystem::path& fallbackFolder,
                                                    RecordFolderRule rule);
    // Merges the result into the record file and shows the table anchored on it. A result that
    // cannot be saved leaves the old file as it was; the player is told and the game goes on.
    void InserimentoNuovoRecordNelFile_(int difficultyColour, const QString& points,
                                        const QString& typedName);
    // Reloads the file, anchors the view and fills the grid.
    void ScritturaRecordParte1_();
    // The scroll bar moved: the grid follows from the table already loaded.
    void VScroll1_Change();

  private:
    void showScrollBar();
    void paintRows();
    void tellPlayer(const std::string& message);

    Controls& controls_;
    GameState& state_;
    RecordStore store_;
    RecordTableView view_;
    // The box that tells the player of a problem with the records, while it is open, and what
    // it says.
    QPointer<QMessageBox> warning_;
    QStringList problemsTold_;
    bool noRecordFolderTold_ = false;
};

} // namespace vorlin

#pragma once

#include "records/record_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vorlin {

// The outcome of merging a finished game's result into the record file.
struct InsertionResult {
    // The position 1..1000 the result took, or 0 when it did not enter the table or could not be
    // saved. The window copies it into PosizioneUltimoRecord and sets SenzaEvidenziazione to 0.
    int PosizioneUltimoRecord = 0;
    // Empty when the file was saved; otherwise an Italian message to show the player. The old
    // record file is then left exactly as it was and the game goes on.
    std::string errorMessage;

    bool saved() const { return errorMessage.empty(); }
};

// Where the start-up check may put the record folder.
enum class RecordFolderRule {
    // A game run from its build folder or from a folder of its own: the records stay beside the
    // program when it may write there, as the game always kept them.
    ProgramFolderWhenWritable,
    // The installed game: its program folder belongs to the system, even when the player (root)
    // could write there, so every player keeps the records in their own folder.
    UserFolderOnly,
};

// The record folder and the record file in it.
//
// The load handler calls VerificaEsistenzaFileRecordOSuaCreazionePulito_ once, early; from then on
// PercorsoRecord names the folder that holds "Recordc1.kpr". At each game over the window calls
// InserimentoNuovoRecordNelFile_, and the record table view reads the file through loadTable.
// Nothing here ever stops the program: a missing, short or damaged file reads as a table whose
// missing positions are empty records, and the next insertion writes a complete file.
class RecordStore {
  public:
    static constexpr std::string_view kRecordFileName = "Recordc1.kpr";
    static constexpr std::string_view kTemporaryFileName = "Recordc2.kpr";
    static constexpr std::string_view kTestFolderName = "~";
    static constexpr std::string_view kDataFolderName = "dati";
    static constexpr std::string_view kTemplateFileName = "Kpr4.kpr";

    // Chooses the record folder and makes sure a record file is there:
    //  - the program folder when the rule allows it and a test folder "~" can be created and
    //    removed in it, otherwise `fallbackFolder` (created when needed; RecordSuDiscoC becomes
    //    "SI"); with UserFolderOnly nothing at all is created in the program folder. When the
    //    fallback folder is empty too (the user has no home folder) no records are kept this
    //    run, and noRecordFolder() says so;
    //  - a clean record file is written when none exists (an existing file is never replaced,
    //    even when it cannot be opened: it may hold the player's records); with UserFolderOnly a
    //    readable table the same player left beside the program is copied instead, and left
    //    where it is;
    //  - the record file is made readable and writable by its owner;
    //  - a temporary file left by an interrupted insertion is deleted.
    // Every step's failure is ignored; nothing is reported. The steps that touch the record file
    // wait for a game saving into the same folder to finish.
    void VerificaEsistenzaFileRecordOSuaCreazionePulito_(
        const std::filesystem::path& programFolder, const std::filesystem::path& fallbackFolder,
        RecordFolderRule rule = RecordFolderRule::ProgramFolderWhenWritable);

    // Writes a clean record file in PercorsoRecord: four default records whose names come from the
    // template "dati/Kpr4.kpr" of the program folder, then 997 empty records (1001 lines). Returns
    // false, writing nothing, when the template does not give four names or the file cannot be
    // written.
    bool CreaFileRecordPulito_();

    // Merges a finished game's result into the record file, holding the record folder so that
    // another game saving at the same moment waits its turn (a save that cannot get the folder
    // within a few seconds fails and says so). `colourText` is the difficulty colour
    // as decimal text, `pointsText` the points, `dateText` the day as dd/mm/yyyy (see
    // todayDateText) and `typedName` the name as typed; it goes through ElaboraNomeGiocatore_.
    // The result is written just before the first stored record with fewer points, so on equal
    // points the older record stays ahead; 1000 stored records follow it, so the file ends with
    // 1001 lines when the result entered and 1000 when it did not.
    InsertionResult InserimentoNuovoRecordNelFile_(std::string_view colourText,
                                                   std::string_view pointsText,
                                                   std::string_view dateText,
                                                   std::string_view typedName) const;

    // The name as stored: every double quote and every control character (line breaks, tabs...)
    // becomes "-", so the name always fits one quoted field. Spaces, commas and accented letters
    // stay; there is no trimming and no length limit.
    static std::string ElaboraNomeGiocatore_(std::string_view typedName);

    // The 1000 positions of the record file as the table view shows them; all empty when no
    // records are kept.
    RecordFileContents loadTable() const;

    // True when the start-up check found no folder at all for the records: results of this run
    // are not saved.
    bool noRecordFolder() const { return RecordSuDiscoC_ == "SI" && PercorsoRecord_.empty(); }

    // The record folder; empty until the start-up check has run, and when there is none.
    const std::filesystem::path& PercorsoRecord() const { return PercorsoRecord_; }
    // "SI" when the fallback folder is in use, "NO" otherwise.
    const std::string& RecordSuDiscoC() const { return RecordSuDiscoC_; }

    std::filesystem::path recordFilePath() const { return PercorsoRecord_ / kRecordFileName; }
    std::filesystem::path temporaryFilePath() const { return PercorsoRecord_ / kTemporaryFileName; }

    // The per-user record folder: $XDG_DATA_HOME/vorlin, by default ~/.local/share/vorlin. The
    // home folder is $HOME, or the user's entry in the password database when HOME is unset;
    // empty when there is neither (the game then keeps no records).
    static std::filesystem::path defaultFallbackFolder();

    // Today's local date as dd/mm/yyyy.
    static std::string todayDateText();

  private:
    // With UserFolderOnly: copies a table the player's game kept beside the program before it
    // knew it was installed into the record folder. True when the record file was written so.
    bool adoptTableBesideTheProgram() const;

    std::filesystem::path programFolder_;
    std::filesystem::path PercorsoRecord_;
    std::string RecordSuDiscoC_ = "NO";
    RecordFolderRule rule_ = RecordFolderRule::ProgramFolderWhenWritable;
};

} // namespace vorlin

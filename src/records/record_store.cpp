#include "records/record_store.h"

#include "records/record_folder_lock.h"
#include "records/text_encoding.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlin {

namespace fs = std::filesystem;

namespace {

constexpr int kDefaultRecordCount = 4;
// A clean file ends with one line more than the table reads, like a file after a merge.
constexpr std::size_t kCleanFileLines = kNumeroRecord + 1;
constexpr std::size_t kTemplateBytesRead = 64 * 1024;
constexpr std::string_view kDefaultRecordDate = "20/07/2003";
constexpr char kNameReplacement = '-';
constexpr std::size_t kDateTextCapacity = 32;
constexpr std::string_view kSaveFailure = "Impossibile salvare il record: ";
constexpr std::string_view kNoRecordFolder =
    "la cartella del programma non è scrivibile e l'utente non ha una cartella personale, "
    "quindi in questa sessione i record non vengono salvati.";
constexpr std::string_view kNoUserFolder =
    "l'utente non ha una cartella personale, quindi in questa sessione i record non vengono "
    "salvati.";

// The four default records of a clean file, one per difficulty, points descending.
struct DefaultRecord {
    std::string_view colour;
    std::string_view points;
};
constexpr std::array<DefaultRecord, kDefaultRecordCount> kDefaultRecords = {{
    {"65535", "31111"},
    {"65280", "25082"},
    {"16711680", "20058"},
    {"255", "15051"},
}};

constexpr std::string_view kXdgDataHome = "XDG_DATA_HOME";
constexpr std::string_view kHome = "HOME";
constexpr std::string_view kUserDataFolder = ".local/share";
constexpr std::string_view kGameFolderName = "vorlin";

// The first fields of the template, at most `count` of them.
std::vector<std::string> readTemplateNames(const fs::path& path, int count) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(kTemplateBytesRead, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    const std::string text = cp1252ToUtf8(bytes);
    RecordFieldReader reader(text);
    std::vector<std::string> names;
    while (static_cast<int>(names.size()) < count) {
        std::optional<std::string> field = reader.nextField();
        if (!field) break;
        names.push_back(std::move(*field));
    }
    return names;
}

// A Unicode control character (C0, DEL or C1) starting at `at`, with its length in bytes.
std::size_t controlCharacterLength(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F) return 1;
    // U+0080..U+009F are encoded as C2 80..C2 9F.
    if (byte == 0xC2 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F) return 2;
    }
    return 0;
}

// Removes a folder (only a folder, and only an empty one); true when it was there and is gone.
bool removeFolder(const fs::path& folder) {
    std::error_code ignored;
    if (fs::symlink_status(folder, ignored).type() != fs::file_type::directory) return false;
    return fs::remove(folder, ignored);
}

// The user's home folder: HOME, or the password database's entry when HOME is unset or empty.
// Empty when neither gives a full path: a shared temporary folder would be no home for records.
fs::path homeFolder() {
    if (const char* home = std::getenv(kHome.data()); home != nullptr && *home != '\0') return home;
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && fs::path(entry->pw_dir).is_absolute())
        return entry->pw_dir;
    return {};
}

// Can the program folder take new files? A test folder is created and judged by its removal; a
// test folder left by an earlier run is cleared first. (Hidden attributes have no meaning here:
// the folder lives only for these few steps.)
bool folderTakesNewFiles(const fs::path& folder) {
    const fs::path testFolder = folder / RecordStore::kTestFolderName;
    removeFolder(testFolder);
    std::error_code ignored;
    fs::create_directory(testFolder, ignored);
    return removeFolder(testFolder);
}

} // namespace

void RecordStore::VerificaEsistenzaFileRecordOSuaCreazionePulito_(const fs::path& programFolder,
                                                                  const fs::path& fallbackFolder,
                                                                  RecordFolderRule rule) {
    programFolder_ = programFolder;
    rule_ = rule;
    std::error_code ignored;

    const bool besideTheProgram =
        rule == RecordFolderRule::ProgramFolderWhenWritable && folderTakesNewFiles(programFolder);
    RecordSuDiscoC_ = besideTheProgram ? "NO" : "SI";
    PercorsoRecord_ = besideTheProgram ? programFolder : fallbackFolder;
    // No writable program folder and no user folder either: this run keeps no records.
    if (noRecordFolder()) return;
    if (RecordSuDiscoC_ == "SI") fs::create_directories(fallbackFolder, ignored);

    // Another game may be saving into this folder right now: its temporary file is not a
    // leftover, and its new table must not be replaced by a clean one. Wait for it; when it does
    // not finish in time the steps run all the same, as a start-up never stops.
    const RecordFolderLock lock(PercorsoRecord_);

    // A clean file only where there is no file at all: an existing file that cannot be opened
    // may still hold the player's records. An installed game of an earlier version kept root's
    // records beside the program; root's first table in their own folder is a copy of that one.
    if (fs::symlink_status(recordFilePath(), ignored).type() == fs::file_type::not_found &&
        !adoptTableBesideTheProgram())
        CreaFileRecordPulito_();

    fs::permissions(recordFilePath(), fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ignored);
    fs::permissions(temporaryFilePath(), fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add | fs::perm_options::nofollow, ignored);
    fs::remove(temporaryFilePath(), ignored);
}

bool RecordStore::adoptTableBesideTheProgram() const {
    if (rule_ != RecordFolderRule::UserFolderOnly) return false;
    const fs::path besideTheProgram = programFolder_ / kRecordFileName;
    // Only the player's own table: the tables of others are theirs.
    struct stat status {};
    if (::lstat(besideTheProgram.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid())
        return false;
    const RecordFileContents earlier = RecordFile(besideTheProgram).load();
    if (earlier.state != RecordFileState::Present) return false;
    return RecordFile(recordFilePath()).replaceWith(earlier.records, kTemporaryFileName).empty();
}

bool RecordStore::CreaFileRecordPulito_() {
    if (PercorsoRecord_.empty()) return false;
    const fs::path templatePath = programFolder_ / kDataFolderName / kTemplateFileName;
    const std::vector<std::string> names = readTemplateNames(templatePath, kDefaultRecordCount);
    if (static_cast<int>(names.size()) < kDefaultRecordCount) return false;

    // Four default records, then empty ones up to line 1001.
    std::vector<Record> records;
    for (std::size_t index = 0; index < kDefaultRecords.size(); ++index) {
        records.push_back({std::string(kDefaultRecords[index].colour),
                           std::string(kDefaultRecords[index].points),
                           std::string(kDefaultRecordDate), names[index]});
    }
    records.resize(kCleanFileLines);
    return RecordFile(recordFilePath()).replaceWith(records, kTemporaryFileName).empty();
}

InsertionResult RecordStore::InserimentoNuovoRecordNelFile_(std::string_view colourText,
                                                            std::string_view pointsText,
                                                            std::string_view dateText,
                                                            std::string_view typedName) const {
    InsertionResult result;
    if (noRecordFolder()) {
        const std::string_view why =
            rule_ == RecordFolderRule::UserFolderOnly ? kNoUserFolder : kNoRecordFolder;
        result.errorMessage = std::string(kSaveFailure) + std::string(why);
        return result;
    }
    if (PercorsoRecord_.empty()) {
        result.errorMessage =
            std::string(kSaveFailure) + "la cartella dei record non è stata ancora scelta.";
        return result;
    }
    const Record newRecord{std::string(colourText), std::string(pointsText), std::string(dateText),
                           ElaboraNomeGiocatore_(typedName)};
    const std::int64_t newPoints = pointsValue(newRecord.points);

    // From the reading to the rename the folder is this game's: a result another game saves
    // in the meantime would otherwise be lost by this rename.
    const RecordFolderLock lock(PercorsoRecord_);
    if (!lock.held()) {
        result.errorMessage = std::string(kSaveFailure) +
                              "la cartella dei record è occupata da un'altra partita o non si "
                              "può aprire (" +
                              PercorsoRecord_.string() + ").";
        return result;
    }
    const RecordFile file(recordFilePath());
    const RecordFileContents stored = file.load();
    if (stored.state == RecordFileState::Unreadable) {
        // The file may still hold the player's records: it is reported and left as it is.
        // The reading's sentence follows the colon, so it goes on in lower case.
        std::string reason = stored.problem;
        if (!reason.empty()) reason[0] = static_cast<char>(std::tolower(reason[0]));
        result.errorMessage = std::string(kSaveFailure) + reason;
        return result;
    }

    std::vector<Record> merged;
    merged.reserve(kNumeroRecord + 1);
    int position = 0;
    for (int index = 1; index <= kNumeroRecord; ++index) {
        const Record& read = stored.records[static_cast<std::size_t>(index - 1)];
        if (position == 0 && pointsValue(read.points) < newPoints) {
            merged.push_back(newRecord);
            position = index;
        }
        merged.push_back(read);
    }

    result.errorMessage = file.replaceWith(merged, kTemporaryFileName);
    if (result.saved()) result.PosizioneUltimoRecord = position;
    return result;
}

std::string RecordStore::ElaboraNomeGiocatore_(std::string_view typedName) {
    std::string NuovoRecordNome;
    NuovoRecordNome.reserve(typedName.size());
    std::size_t at = 0;
    while (at < typedName.size()) {
        if (typedName[at] == '"') {
            NuovoRecordNome += kNameReplacement;
            ++at;
        } else if (const std::size_t length = controlCharacterLength(typedName, at); length > 0) {
            NuovoRecordNome += kNameReplacement;
            at += length;
        } else {
            NuovoRecordNome += typedName[at];
            ++at;
        }
    }
    return NuovoRecordNome;
}

RecordFileContents RecordStore::loadTable() const {
    if (PercorsoRecord_.empty()) {
        RecordFileContents none;
        none.records.assign(kNumeroRecord, Record{});
        return none;
    }
    return RecordFile(recordFilePath()).load();
}

fs::path RecordStore::defaultFallbackFolder() {
    const char* dataHome = std::getenv(kXdgDataHome.data());
    // Relative values of XDG_DATA_HOME are invalid and are ignored.
    if (dataHome != nullptr && fs::path(dataHome).is_absolute())
        return fs::path(dataHome) / kGameFolderName;
    const fs::path home = homeFolder();
    if (home.empty()) return {};
    return home / kUserDataFolder / kGameFolderName;
}

std::string RecordStore::todayDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    // Day, month and year in this order whatever the regional settings say.
    std::array<char, kDateTextCapacity> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%d/%m/%Y", &local);
    return std::string(text.data(), length);
}

} // namespace vorlin

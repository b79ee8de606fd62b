#include "record_test_support.h"

#include "records/record_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vorlin {
namespace {

namespace fs = std::filesystem;
using testing::crLfLines;
using testing::readBytes;
using testing::writeBytes;

constexpr const char* kOwnRecords = "\"255\",\"777\",\"03/03/2003\",\"Mio\"\r\n";

// A program folder with its template; the fallback folder sits beside it.
class StartUpCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(program());
        testing::writeTemplate(program(), testing::defaultTemplateNames());
    }

    fs::path program() const { return base.path() / "programma"; }
    fs::path fallback() const { return base.path() / "utente" / "vorlin"; }
    void check() { store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), fallback()); }
    std::vector<std::string> lines(const fs::path& folder) const {
        return crLfLines(readBytes(folder / "Recordc1.kpr"));
    }

    testing::TempFolder base;
    RecordStore store;
};

TEST_F(StartUpCheck, FirstRunInAWritableFolderMakesACleanFileThere) {
    check();
    EXPECT_EQ(store.PercorsoRecord(), program());
    EXPECT_EQ(store.RecordSuDiscoC(), "NO");
    const std::vector<std::string> clean = lines(program());
    ASSERT_EQ(clean.size(), 1001u);
    EXPECT_EQ(clean[0], R"("65535","31111","20/07/2003","Kaprel")");
    EXPECT_FALSE(fs::exists(program() / "~"));
    EXPECT_FALSE(fs::exists(fallback()));
}

TEST_F(StartUpCheck, LaterRunsKeepTheRecordFile) {
    writeBytes(program() / "Recordc1.kpr", kOwnRecords);
    check();
    EXPECT_EQ(readBytes(program() / "Recordc1.kpr"), kOwnRecords);
}

TEST_F(StartUpCheck, LeftoversOfAnEarlierRunAreCleared) {
    fs::create_directory(program() / "~");
    writeBytes(program() / "Recordc2.kpr", "mezzo file");
    check();
    EXPECT_EQ(store.RecordSuDiscoC(), "NO") << "a leftover test folder is no sign of a read-only "
                                               "folder";
    EXPECT_FALSE(fs::exists(program() / "~"));
    EXPECT_FALSE(fs::exists(program() / "Recordc2.kpr"));
    EXPECT_EQ(lines(program()).size(), 1001u);
}

TEST_F(StartUpCheck, AFileNamedLikeTheTestFolderIsNotTouched) {
    writeBytes(program() / "~", "dati dell'utente");
    check();
    EXPECT_EQ(readBytes(program() / "~"), "dati dell'utente");
    EXPECT_EQ(store.RecordSuDiscoC(), "SI");
}

class RecordFilePermissions : public StartUpCheck,
                              public ::testing::WithParamInterface<fs::perms> {};

TEST_P(RecordFilePermissions, BecomeReadAndWriteForTheOwner) {
    writeBytes(program() / "Recordc1.kpr", kOwnRecords);
    fs::permissions(program() / "Recordc1.kpr", GetParam());
    check();
    const fs::perms after = fs::status(program() / "Recordc1.kpr").permissions();
    EXPECT_EQ(after & fs::perms::owner_read, fs::perms::owner_read);
    EXPECT_EQ(after & fs::perms::owner_write, fs::perms::owner_write);
    EXPECT_EQ(readBytes(program() / "Recordc1.kpr"), kOwnRecords);
}

INSTANTIATE_TEST_SUITE_P(Modes, RecordFilePermissions,
                         ::testing::Values(fs::perms::owner_read | fs::perms::group_read,
                                           fs::perms::none, fs::perms::owner_write));

TEST_F(StartUpCheck, UnopenableRecordFileOfThePlayerIsNotReplaced) {
    // The player's own folder and file, the file with no permissions at all: opening it fails,
    // yet it holds the records and must survive.
    testing::handToUnprivilegedUser(program());
    writeBytes(program() / "Recordc1.kpr", kOwnRecords);
    testing::handToUnprivilegedUser(program() / "Recordc1.kpr");
    fs::permissions(program() / "Recordc1.kpr", fs::perms::none);

    RecordStore& shared = store;
    const fs::path programFolder = program();
    const fs::path fallbackFolder = fallback();
    const std::string answer = testing::runUnprivileged([&] {
        shared.VerificaEsistenzaFileRecordOSuaCreazionePulito_(programFolder, fallbackFolder);
        const RecordFileContents table = shared.loadTable();
        return shared.RecordSuDiscoC() + "|" + table.records[0].name;
    });
    EXPECT_EQ(answer, "NO|Mio");
    EXPECT_EQ(readBytes(program() / "Recordc1.kpr"), kOwnRecords);
}

TEST_F(StartUpCheck, ReadOnlyProgramFolderSendsTheRecordsToTheUserFolder) {
    fs::create_directories(fallback().parent_path());
    testing::handToUnprivilegedUser(fallback().parent_path());
    fs::permissions(program(), fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    if (::geteuid() != 0)
        fs::permissions(program(), fs::perms::owner_write, fs::perm_options::remove);

    RecordStore& shared = store;
    const fs::path programFolder = program();
    const fs::path fallbackFolder = fallback();
    const std::string answer = testing::runUnprivileged([&] {
        shared.VerificaEsistenzaFileRecordOSuaCreazionePulito_(programFolder, fallbackFolder);
        return shared.RecordSuDiscoC() + "|" + shared.PercorsoRecord().string();
    });
    EXPECT_EQ(answer, "SI|" + fallback().string());
    const std::vector<std::string> clean = lines(fallback());
    ASSERT_EQ(clean.size(), 1001u);
    EXPECT_EQ(clean[3], R"("255","15051","20/07/2003","Quarzo")");
    EXPECT_FALSE(fs::exists(program() / "Recordc1.kpr"));
    EXPECT_FALSE(fs::exists(program() / "~"));
}

// The installed game: even a program folder the player may write (root's) gets nothing, not even
// the test folder; the records go to the player's own folder.
TEST_F(StartUpCheck, TheInstalledGameKeepsTheRecordsInTheUserFolderOnly) {
    const auto listing = [this] {
        std::vector<fs::path> paths;
        for (const auto& entry : fs::recursive_directory_iterator(program()))
            paths.push_back(entry.path());
        std::sort(paths.begin(), paths.end());
        return paths;
    };
    const std::vector<fs::path> before = listing();
    store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), fallback(),
                                                          RecordFolderRule::UserFolderOnly);
    EXPECT_EQ(store.RecordSuDiscoC(), "SI");
    EXPECT_EQ(store.PercorsoRecord(), fallback());
    ASSERT_EQ(lines(fallback()).size(), 1001u);
    EXPECT_EQ(lines(fallback())[0], R"("65535","31111","20/07/2003","Kaprel")");

    const InsertionResult saved =
        store.InserimentoNuovoRecordNelFile_("255", "40000", "05/11/2024", "Radice");
    ASSERT_TRUE(saved.saved()) << saved.errorMessage;
    EXPECT_EQ(lines(fallback())[0], R"("255","40000","05/11/2024","Radice")");
    EXPECT_EQ(listing(), before);
}

// Root's records kept beside the installed program by an earlier version are not left behind:
// root's first table in their own folder is a copy of them. Another user's table stays theirs.
TEST_F(StartUpCheck, TheInstalledGameCopiesThePlayersOwnTableLeftBesideTheProgram) {
    writeBytes(program() / "Recordc1.kpr", kOwnRecords);
    store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), fallback(),
                                                          RecordFolderRule::UserFolderOnly);
    ASSERT_EQ(lines(fallback()).size(), 1000u);
    EXPECT_EQ(lines(fallback())[0], R"("255","777","03/03/2003","Mio")");
    EXPECT_EQ(lines(fallback())[1], R"("0","","","")");
    EXPECT_EQ(readBytes(program() / "Recordc1.kpr"), kOwnRecords);

    // A later start keeps the player's own table as it has become.
    writeBytes(fallback() / "Recordc1.kpr", "\"255\",\"5\",\"04/04/2004\",\"Dopo\"\r\n");
    RecordStore later;
    later.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), fallback(),
                                                          RecordFolderRule::UserFolderOnly);
    EXPECT_EQ(lines(fallback())[0], R"("255","5","04/04/2004","Dopo")");

    if (::geteuid() != 0) return; // only root can give the table to someone else
    fs::remove_all(fallback());
    testing::handToUnprivilegedUser(program() / "Recordc1.kpr");
    RecordStore another;
    another.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), fallback(),
                                                            RecordFolderRule::UserFolderOnly);
    EXPECT_EQ(lines(fallback())[0], R"("65535","31111","20/07/2003","Kaprel")");
}

TEST_F(StartUpCheck, TheInstalledGameWithoutAUserFolderSaysSoWithoutBlamingTheProgramFolder) {
    store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), {},
                                                          RecordFolderRule::UserFolderOnly);
    EXPECT_TRUE(store.noRecordFolder());
    const InsertionResult result =
        store.InserimentoNuovoRecordNelFile_("255", "40000", "05/11/2024", "Radice");
    EXPECT_EQ(result.errorMessage, "Impossibile salvare il record: l'utente non ha una cartella "
                                   "personale, quindi in questa sessione i record non vengono "
                                   "salvati.");
    EXPECT_FALSE(fs::exists(program() / "Recordc1.kpr"));
}

struct TemplateCase {
    const char* what;
    std::string templateBytes; // empty: no template at all
    std::vector<std::string> names;
};

class TemplateContents : public StartUpCheck, public ::testing::WithParamInterface<TemplateCase> {};

TEST_P(TemplateContents, GiveTheDefaultNamesOrNoFile) {
    fs::remove(program() / "dati" / "Kpr4.kpr");
    if (!GetParam().templateBytes.empty())
        writeBytes(program() / "dati" / "Kpr4.kpr", GetParam().templateBytes);
    check();
    const RecordFileContents table = store.loadTable();
    if (GetParam().names.empty()) {
        EXPECT_EQ(table.state, RecordFileState::Missing);
        EXPECT_EQ(table.records, std::vector<Record>(kNumeroRecord, Record{}));
        // The first game's result still makes a complete file.
        EXPECT_EQ(store.InserimentoNuovoRecordNelFile_("255", "10", "01/01/2024", "X")
                      .PosizioneUltimoRecord,
                  1);
        EXPECT_EQ(lines(program()).size(), 1001u);
        return;
    }
    ASSERT_EQ(table.state, RecordFileState::Present);
    for (std::size_t index = 0; index < GetParam().names.size(); ++index)
        EXPECT_EQ(table.records[index].name, GetParam().names[index]);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, TemplateContents,
    ::testing::Values(TemplateCase{"OnePerLine",
                                   "\"Anna\"\r\n\"Bruno\"\r\n\"Carla\"\r\n\"Dario\"\r\n",
                                   {"Anna", "Bruno", "Carla", "Dario"}},
                      TemplateCase{"OneLine",
                                   "\"Anna\",\"Bruno\",\"Carla\",\"Dario\"\r\n",
                                   {"Anna", "Bruno", "Carla", "Dario"}},
                      TemplateCase{
                          "Accented", "\"Nicol\xF2\",\"B\",\"C\",\"D\"", {"Nicolò", "B", "C", "D"}},
                      TemplateCase{"Missing", "", {}},
                      TemplateCase{"ThreeNames", "\"A\",\"B\",\"C\"\r\n", {}}),
    [](const auto& info) { return std::string(info.param.what); });

struct EnvironmentCase {
    const char* what;
    const char* dataHome; // nullptr: unset
    std::string expected; // relative to HOME when it does not start with "/"
};

class FallbackFolder : public ::testing::TestWithParam<EnvironmentCase> {};

TEST_P(FallbackFolder, FollowsTheUserDataFolder) {
    const char* savedDataHome = std::getenv("XDG_DATA_HOME");
    const std::string saved = savedDataHome ? savedDataHome : "";
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome ? savedHome : "";
    ::setenv("HOME", "/casa/giocatore", 1);
    if (GetParam().dataHome)
        ::setenv("XDG_DATA_HOME", GetParam().dataHome, 1);
    else
        ::unsetenv("XDG_DATA_HOME");

    const fs::path got = RecordStore::defaultFallbackFolder();

    ::setenv("HOME", home.c_str(), 1);
    if (savedDataHome)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(got, fs::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Environment, FallbackFolder,
    ::testing::Values(EnvironmentCase{"Set", "/dati/utente", "/dati/utente/vorlin"},
                      EnvironmentCase{"Unset", nullptr, "/casa/giocatore/.local/share/vorlin"},
                      EnvironmentCase{"Relative", "relativa",
                                      "/casa/giocatore/.local/share/vorlin"}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace vorlin

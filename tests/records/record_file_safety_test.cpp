#include "record_test_support.h"

#include "records/record_file.h"
#include "records/record_store.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace vorlin {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

constexpr const char* kVictimBytes = "non toccare\n";
// Reading must end at once; a reader that waits on a pipe is stopped by the alarm.
constexpr unsigned kSecondsBeforeHang = 20;

// A record folder after its start-up check, and a folder elsewhere for link targets and for
// files a link must never reach.
class RecordFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program());
        fs::create_directories(elsewhere());
        testing::writeTemplate(program(), testing::defaultTemplateNames());
        store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), base.path() / "x");
    }

    fs::path program() const { return base.path() / "programma"; }
    fs::path elsewhere() const { return base.path() / "altrove"; }
    fs::path victim() const { return elsewhere() / "vittima"; }
    InsertionResult insert(const std::string& name) const {
        return store.InserimentoNuovoRecordNelFile_("255", "40000", "05/11/2024", name);
    }

    testing::TempFolder base;
    RecordStore store;
};

// Things another program may have left where the temporary file is made.
struct PlantedCase {
    const char* what;
    std::function<void(const fs::path& temporary, const fs::path& victim)> plant;
    bool saved;
};

class PlantedTemporaryFile : public RecordFileOnDisk,
                             public ::testing::WithParamInterface<PlantedCase> {};

TEST_P(PlantedTemporaryFile, IsNeverFollowedAndNeverLosesTheTable) {
    writeBytes(victim(), kVictimBytes);
    GetParam().plant(store.temporaryFilePath(), victim());
    const std::string before = readBytes(store.recordFilePath());

    const InsertionResult result = insert("Nuovo");

    EXPECT_EQ(readBytes(victim()), kVictimBytes);
    EXPECT_FALSE(fs::is_symlink(store.recordFilePath()));
    if (GetParam().saved) {
        ASSERT_TRUE(result.saved()) << result.errorMessage;
        EXPECT_EQ(store.loadTable().records[0].name, "Nuovo");
        EXPECT_FALSE(fs::exists(fs::symlink_status(store.temporaryFilePath())));
        return;
    }
    EXPECT_TRUE(result.errorMessage.starts_with("Impossibile salvare il record: "))
        << result.errorMessage;
    EXPECT_EQ(result.PosizioneUltimoRecord, 0);
    EXPECT_EQ(readBytes(store.recordFilePath()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Leftovers, PlantedTemporaryFile,
    ::testing::Values(PlantedCase{"LinkToAFile",
                                  [](const fs::path& temporary, const fs::path& target) {
                                      fs::create_symlink(target, temporary);
                                  },
                                  true},
                      PlantedCase{"LinkToNothing",
                                  [](const fs::path& temporary, const fs::path& target) {
                                      fs::create_symlink(target.string() + ".manca", temporary);
                                  },
                                  true},
                      PlantedCase{"PlainFile",
                                  [](const fs::path& temporary, const fs::path&) {
                                      writeBytes(temporary, "avanzo");
                                  },
                                  true},
                      PlantedCase{"Folder",
                                  [](const fs::path& temporary, const fs::path&) {
                                      fs::create_directory(temporary);
                                  },
                                  false}),
    [](const auto& info) { return std::string(info.param.what); });

// How the record file can point at the real table.
struct LinkCase {
    const char* what;
    // Makes the record file a link and gives the table it finally reaches.
    std::function<fs::path(const fs::path& recordFile, const fs::path& elsewhere)> link;
};

class LinkedRecordFile : public RecordFileOnDisk, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkedRecordFile, StaysALinkToTheCurrentTable) {
    const fs::path link = store.recordFilePath();
    const std::string clean = readBytes(link);
    fs::remove(link);
    const fs::path table = GetParam().link(link, elsewhere());
    writeBytes(table, clean);
    const fs::path pointsTo = fs::read_symlink(link);

    ASSERT_TRUE(insert("Primo").saved());
    ASSERT_TRUE(insert("Secondo").saved());

    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), pointsTo);
    const RecordFileContents read = store.loadTable();
    EXPECT_EQ(read.records[0].name, "Primo");
    EXPECT_EQ(read.records[1].name, "Secondo");
    EXPECT_EQ(testing::crLfLines(readBytes(table))[1], R"("255","40000","05/11/2024","Secondo")");
    for (const fs::path& folder : {program(), elsewhere()})
        EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "Recordc2.kpr"))) << folder;
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkedRecordFile,
    ::testing::Values(LinkCase{"Absolute",
                               [](const fs::path& file, const fs::path& elsewhere) {
                                   fs::create_symlink(elsewhere / "tabella.kpr", file);
                                   return elsewhere / "tabella.kpr";
                               }},
                      LinkCase{"Relative",
                               [](const fs::path& file, const fs::path&) {
                                   fs::create_symlink("../altrove/tabella.kpr", file);
                                   return file.parent_path() / "../altrove/tabella.kpr";
                               }},
                      LinkCase{"ThroughASecondLink",
                               [](const fs::path& file, const fs::path& elsewhere) {
                                   fs::create_symlink(elsewhere / "tramite", file);
                                   fs::create_symlink("tabella.kpr", elsewhere / "tramite");
                                   return elsewhere / "tabella.kpr";
                               }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(RecordFileOnDisk, ALinkLoopIsAFailedSave) {
    fs::remove(store.recordFilePath());
    fs::create_symlink("Recordc1.kpr", store.recordFilePath());
    EXPECT_EQ(store.loadTable().state, RecordFileState::Unreadable);
    EXPECT_FALSE(insert("Nuovo").saved());
    EXPECT_TRUE(fs::is_symlink(store.recordFilePath()));
}

// What may stand in place of the record file without being one.
struct NotAFileCase {
    const char* what;
    std::function<void(const fs::path& recordFile)> put;
};

class NotAPlainFile : public RecordFileOnDisk,
                      public ::testing::WithParamInterface<NotAFileCase> {};

TEST_P(NotAPlainFile, IsReportedAtOnceAndLeftInPlace) {
    fs::remove(store.recordFilePath());
    GetParam().put(store.recordFilePath());
    const auto kindBefore = fs::symlink_status(store.recordFilePath()).type();
    ::alarm(kSecondsBeforeHang);

    store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program(), base.path() / "x");
    const RecordFileContents table = store.loadTable();
    const InsertionResult result = insert("Nuovo");

    ::alarm(0);
    EXPECT_EQ(table.state, RecordFileState::Unreadable);
    EXPECT_NE(table.problem.find("Il file dei record"), std::string::npos) << table.problem;
    EXPECT_FALSE(result.saved());
    EXPECT_TRUE(result.errorMessage.starts_with("Impossibile salvare il record: il file dei"))
        << result.errorMessage;
    EXPECT_EQ(fs::symlink_status(store.recordFilePath()).type(), kindBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotAPlainFile,
    ::testing::Values(
        NotAFileCase{"Pipe",
                     [](const fs::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); }},
        NotAFileCase{"LinkToAnEndlessDevice",
                     [](const fs::path& file) { fs::create_symlink("/dev/zero", file); }},
        NotAFileCase{"LinkToAnEmptyDevice",
                     [](const fs::path& file) { fs::create_symlink("/dev/null", file); }},
        NotAFileCase{"Folder", [](const fs::path& file) { fs::create_directory(file); }}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace vorlin

#include "record_test_support.h"

#include "records/record_folder_lock.h"
#include "records/record_store.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlin {
namespace {

namespace fs = std::filesystem;

constexpr int kGames = 2;
// Both games together stay well inside the table, so every saved result keeps its place in it.
constexpr int kResultsPerGame = 150;
constexpr int kBestPoints = 40000;

class SharedRecordFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::writeTemplate(folder.path(), testing::defaultTemplateNames());
        store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder.path(), folder.path() / "x");
    }

    testing::TempFolder folder;
    RecordStore store;
};

// Saves results as fast as it can; writes the name of every result reported saved, one a line.
[[noreturn]] void saveResults(const RecordStore& store, int game, int reportTo) {
    std::mt19937 random(static_cast<unsigned>(game + 1));
    std::uniform_int_distribution<int> points(1, kBestPoints);
    std::string saved;
    for (int result = 0; result < kResultsPerGame; ++result) {
        const std::string name = "g" + std::to_string(game) + "-" + std::to_string(result);
        if (store
                .InserimentoNuovoRecordNelFile_("255", std::to_string(points(random)), "05/11/2024",
                                                name)
                .saved())
            saved += name + "\n";
    }
    const bool sent =
        ::write(reportTo, saved.data(), saved.size()) == static_cast<ssize_t>(saved.size());
    ::_exit(sent ? EXIT_SUCCESS : EXIT_FAILURE);
}

TEST_F(SharedRecordFolder, TwoGamesSavingAtOnceLoseNoResult) {
    std::vector<int> reports;
    std::vector<pid_t> games;
    for (int game = 0; game < kGames; ++game) {
        int channel[2];
        ASSERT_EQ(::pipe(channel), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(channel[0]);
            saveResults(store, game, channel[1]);
        }
        ::close(channel[1]);
        reports.push_back(channel[0]);
        games.push_back(child);
    }

    std::vector<std::string> reportedSaved;
    for (std::size_t game = 0; game < games.size(); ++game) {
        std::string text;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(reports[game], buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        ::close(reports[game]);
        int status = 0;
        ::waitpid(games[game], &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == EXIT_SUCCESS) << "game " << game;
        std::istringstream lines(text);
        int savedByThisGame = 0;
        for (std::string name; std::getline(lines, name); ++savedByThisGame)
            reportedSaved.push_back(name);
        EXPECT_GT(savedByThisGame, 0) << "game " << game << " saved nothing";
    }

    const RecordFileContents table = store.loadTable();
    ASSERT_EQ(table.state, RecordFileState::Present);
    std::set<std::string> inFile;
    for (const Record& record : table.records)
        inFile.insert(record.name);
    int lost = 0;
    for (const std::string& name : reportedSaved)
        if (!inFile.contains(name)) ++lost;
    EXPECT_EQ(lost, 0) << "of " << reportedSaved.size() << " results reported saved";
    ::testing::Test::RecordProperty("results_saved", static_cast<int>(reportedSaved.size()));
    ::testing::Test::RecordProperty("results_lost", lost);
}

TEST_F(SharedRecordFolder, AFolderHeldTooLongIsAFailedSave) {
    const std::string before = testing::readBytes(store.recordFilePath());
    const RecordFolderLock otherGame(folder.path());
    ASSERT_TRUE(otherGame.held());

    const InsertionResult result =
        store.InserimentoNuovoRecordNelFile_("255", "40000", "05/11/2024", "Nuovo");

    EXPECT_EQ(result.PosizioneUltimoRecord, 0);
    EXPECT_NE(result.errorMessage.find("occupata da un'altra partita"), std::string::npos)
        << result.errorMessage;
    EXPECT_EQ(testing::readBytes(store.recordFilePath()), before);
}

} // namespace
} // namespace vorlin

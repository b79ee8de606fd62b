#include "record_test_support.h"

#include "records/record_store.h"

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlin {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 300;
constexpr int kLongestWaitMicroseconds = 4000;
// Start again from a clean table before real records would push each other out of it.
constexpr int kMostRealRecords = 900;
constexpr int kBestPoints = 40000;

// The real records of a table by name (names are unique in this test), with their points.
std::map<std::string, std::string> realRecords(const RecordFileContents& table) {
    std::map<std::string, std::string> byName;
    for (const Record& record : table.records)
        if (!record.points.empty()) byName[record.name] = record.points;
    return byName;
}

// Inserts results for ever, each under a name that tells the round it belongs to.
[[noreturn]] void insertForEver(const RecordStore& store, int round) {
    std::mt19937 random(static_cast<unsigned>(round));
    std::uniform_int_distribution<int> points(1, kBestPoints);
    for (int game = 0;; ++game) {
        const InsertionResult result = store.InserimentoNuovoRecordNelFile_(
            "255", std::to_string(points(random)), "05/11/2024",
            "r" + std::to_string(round) + "-" + std::to_string(game));
        if (!result.saved()) ::_exit(EXIT_FAILURE);
    }
}

TEST(RecordFileUnderKill, EveryStopLeavesAWholeTable) {
    testing::TempFolder folder;
    testing::writeTemplate(folder.path(), testing::defaultTemplateNames());
    RecordStore store;
    store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder.path(), folder.path() / "x");
    std::mt19937 random(20240511);
    std::uniform_int_distribution<int> wait(0, kLongestWaitMicroseconds);
    int killedMidInsertion = 0;

    for (int round = 0; round < kKills; ++round) {
        const RecordFileContents before = store.loadTable();
        const std::map<std::string, std::string> kept = realRecords(before);
        if (static_cast<int>(kept.size()) > kMostRealRecords) {
            fs::remove(store.recordFilePath());
            ASSERT_TRUE(store.CreaFileRecordPulito_());
            --round;
            continue;
        }

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) insertForEver(store, round);
        ::usleep(static_cast<useconds_t>(wait(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status))
            << "the inserting child failed on its own, round " << round;
        killedMidInsertion += fs::exists(store.temporaryFilePath()) ? 1 : 0;

        const RecordFileContents after = store.loadTable();
        ASSERT_EQ(after.state, RecordFileState::Present) << "round " << round;
        ASSERT_GE(after.linesRead, kNumeroRecord) << "round " << round;
        const std::map<std::string, std::string> now = realRecords(after);
        for (const auto& [name, points] : kept) {
            const auto found = now.find(name);
            ASSERT_NE(found, now.end()) << name << " lost in round " << round;
            ASSERT_EQ(found->second, points) << name << " changed in round " << round;
        }
        const std::string thisRound = "r" + std::to_string(round) + "-";
        for (const auto& [name, points] : now)
            ASSERT_TRUE(kept.contains(name) || name.starts_with(thisRound))
                << name << " appeared from nowhere in round " << round;
        for (int position = 2; position <= kNumeroRecord; ++position)
            ASSERT_GE(pointsValue(after.records[position - 2].points),
                      pointsValue(after.records[position - 1].points))
                << "order broken at position " << position << " in round " << round;

        // The next start-up clears what the stop left behind.
        store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder.path(), folder.path() / "x");
        ASSERT_FALSE(fs::exists(store.temporaryFilePath()));
    }
    ::testing::Test::RecordProperty("killed_mid_insertion", killedMidInsertion);
}

} // namespace
} // namespace vorlin

#include "record_test_support.h"

#include "records/record_file.h"

#include <gtest/gtest.h>

#include <optional>

namespace vorlin {
namespace {

namespace fs = std::filesystem;

enum class Call { Write, FlushFile, Rename, FlushFolder };

// The real file calls, noting each one; the call named in `failing` reports a failure instead.
class WatchedFileCalls final : public RecordFileCalls {
  public:
    explicit WatchedFileCalls(std::optional<Call> failing = std::nullopt) : failing_(failing) {}

    bool write(int descriptor, std::string_view bytes) const override {
        return note(Call::Write) && systemRecordFileCalls().write(descriptor, bytes);
    }
    bool flushFile(int descriptor) const override {
        return note(Call::FlushFile) && systemRecordFileCalls().flushFile(descriptor);
    }
    bool rename(const fs::path& from, const fs::path& to) const override {
        return note(Call::Rename) && systemRecordFileCalls().rename(from, to);
    }
    bool flushFolder(const fs::path& folder) const override {
        return note(Call::FlushFolder) && systemRecordFileCalls().flushFolder(folder);
    }

    const std::vector<Call>& calls() const { return calls_; }

  private:
    bool note(Call call) const {
        calls_.push_back(call);
        return call != failing_;
    }

    std::optional<Call> failing_;
    mutable std::vector<Call> calls_;
};

class RecordWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::writeBytes(table(), kOldTable);
        newTable = testing::descendingTable();
    }

    fs::path table() const { return folder.path() / "Recordc1.kpr"; }
    fs::path temporary() const { return folder.path() / "Recordc2.kpr"; }

    static constexpr const char* kOldTable = "\"255\",\"777\",\"03/03/2003\",\"Vecchio\"\r\n";
    testing::TempFolder folder;
    std::vector<Record> newTable;
};

TEST_F(RecordWriter, FlushesTheNewTableBeforeItTakesTheTablesName) {
    const WatchedFileCalls calls;
    ASSERT_EQ(RecordFile(table(), calls).replaceWith(newTable, "Recordc2.kpr"), "");
    EXPECT_EQ(calls.calls(),
              (std::vector<Call>{Call::Write, Call::FlushFile, Call::Rename, Call::FlushFolder}));
    EXPECT_EQ(testing::readBytes(table()), recordFileBytes(newTable));
}

struct FailingCallCase {
    const char* what;
    Call failing;
    bool saved; // the new table is in place all the same
};

class FailingCall : public RecordWriter, public ::testing::WithParamInterface<FailingCallCase> {};

TEST_P(FailingCall, LeavesAWholeTableAndSaysWhetherItWasSaved) {
    const WatchedFileCalls calls(GetParam().failing);
    const std::string problem = RecordFile(table(), calls).replaceWith(newTable, "Recordc2.kpr");

    EXPECT_FALSE(fs::exists(temporary()));
    if (GetParam().saved) {
        EXPECT_EQ(problem, "");
        EXPECT_EQ(testing::readBytes(table()), recordFileBytes(newTable));
        return;
    }
    EXPECT_TRUE(problem.starts_with("Impossibile salvare il record: ")) << problem;
    EXPECT_EQ(testing::readBytes(table()), kOldTable);
    EXPECT_EQ(calls.calls().back(), GetParam().failing) << "nothing may follow a failed call";
}

INSTANTIATE_TEST_SUITE_P(Calls, FailingCall,
                         ::testing::Values(FailingCallCase{"Write", Call::Write, false},
                                           FailingCallCase{"FlushFile", Call::FlushFile, false},
                                           FailingCallCase{"Rename", Call::Rename, false},
                                           FailingCallCase{"FlushFolder", Call::FlushFolder, true}),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace vorlin

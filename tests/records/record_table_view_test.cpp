#include "record_test_support.h"

#include "records/record_store.h"
#include "records/record_table_view.h"

#include <gtest/gtest.h>

namespace vorlin {
namespace {

namespace fs = std::filesystem;

constexpr int kWhite = RecordTableView::kTestoBianco;
constexpr int kOrange = RecordTableView::kTestoArancione;

// A record folder holding a full table (position p: points 1500 - p, "Giocatore p") and the two
// game-state fields the view steers by.
class RecordGrid : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::writeTemplate(folder.path(), testing::defaultTemplateNames());
        store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder.path(), folder.path() / "x");
        std::vector<Record> table = testing::descendingTable();
        table[41] = Record{}; // position 42 is an empty record
        table[0].colour = "16711680";
        ASSERT_TRUE(RecordFile(store.recordFilePath()).replaceWith(table, "t").empty());
    }

    void showAfterResultAt(int position) {
        PosizioneUltimoRecord = position;
        SenzaEvidenziazione = 0;
        view.ScritturaRecordParte1_();
    }

    std::vector<int> shownPositions() const {
        std::vector<int> positions;
        for (int j = 1; j <= RecordTableView::kRighe; ++j)
            positions.push_back(std::stoi(view.row(j).position));
        return positions;
    }

    // The rows painted orange, 1..10.
    std::vector<int> orangeRows() const {
        std::vector<int> rows;
        for (int j = 1; j <= RecordTableView::kRighe; ++j)
            if (view.row(j).textColour == kOrange)
                rows.push_back(j);
            else
                EXPECT_EQ(view.row(j).textColour, kWhite);
        return rows;
    }

    static std::vector<int> range(int first) {
        std::vector<int> positions;
        for (int p = first; p < first + RecordTableView::kRighe; ++p)
            positions.push_back(p);
        return positions;
    }

    testing::TempFolder folder;
    RecordStore store;
    int PosizioneUltimoRecord = 1;
    int SenzaEvidenziazione = 1;
    RecordTableView view{store, PosizioneUltimoRecord, SenzaEvidenziazione};
};

struct AnchorCase {
    int anchor;
    int firstShown;
    std::vector<int> orange;
    int minimum;
    int maximum;
    int value;
};

class Anchoring : public RecordGrid, public ::testing::WithParamInterface<AnchorCase> {};

TEST_P(Anchoring, ShowsTheLastResultInItsPlace) {
    showAfterResultAt(GetParam().anchor);
    EXPECT_EQ(shownPositions(), range(GetParam().firstShown));
    EXPECT_EQ(orangeRows(), GetParam().orange);
    EXPECT_EQ(view.scrollMinimum(), GetParam().minimum);
    EXPECT_EQ(view.scrollMaximum(), GetParam().maximum);
    EXPECT_EQ(view.scrollValue(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Anchors, Anchoring,
                         ::testing::Values(AnchorCase{1, 1, {1}, 1, 991, 1},
                                           AnchorCase{3, 1, {3}, 3, 993, 3},
                                           AnchorCase{7, 1, {7}, 7, 997, 7},
                                           AnchorCase{8, 1, {8}, 8, 998, 8},
                                           AnchorCase{500, 493, {8}, 8, 998, 500},
                                           AnchorCase{998, 991, {8}, 8, 998, 998},
                                           AnchorCase{999, 991, {9}, 9, 999, 999},
                                           AnchorCase{1000, 991, {10}, 10, 1000, 1000},
                                           AnchorCase{0, 991, {}, 0, 990, 990}));

TEST_F(RecordGrid, AResultThatDidNotEnterLeavesNoHighlightThenLaterReloadsCentreOn990) {
    showAfterResultAt(0);
    EXPECT_EQ(PosizioneUltimoRecord, 990);
    EXPECT_EQ(SenzaEvidenziazione, 1);
    view.ScritturaRecordParte1_(); // the "R" button
    EXPECT_EQ(shownPositions(), range(983));
    EXPECT_TRUE(orangeRows().empty());
}

TEST_F(RecordGrid, AfterAGameStartTheTableOpensAtTheTopAllWhite) {
    showAfterResultAt(500);
    PosizioneUltimoRecord = 1; // a new game starts
    SenzaEvidenziazione = 1;
    view.ScritturaRecordParte1_();
    EXPECT_EQ(shownPositions(), range(1));
    EXPECT_TRUE(orangeRows().empty());
}

TEST_F(RecordGrid, ScrollingAwayAndBackRepaintsTheLastResult) {
    showAfterResultAt(500);
    view.VScroll1_Change(510);
    EXPECT_EQ(shownPositions(), range(503));
    EXPECT_TRUE(orangeRows().empty());
    view.VScroll1_Change(505);
    EXPECT_EQ(orangeRows(), std::vector<int>{3});
    view.VScroll1_Change(500);
    EXPECT_EQ(orangeRows(), std::vector<int>{8});
}

class ScrollEnds : public RecordGrid, public ::testing::WithParamInterface<int> {};

TEST_P(ScrollEnds, ReachPositionOneAndPositionThousand) {
    showAfterResultAt(GetParam());
    view.VScroll1_Change(view.scrollMinimum());
    EXPECT_EQ(view.row(1).position, "1");
    view.VScroll1_Change(view.scrollMaximum());
    EXPECT_EQ(view.row(RecordTableView::kRighe).position, "1000");
    view.VScroll1_Change(view.scrollMaximum() + 50); // kept within the bar's range
    EXPECT_EQ(view.row(RecordTableView::kRighe).position, "1000");
}

INSTANTIATE_TEST_SUITE_P(Anchors, ScrollEnds, ::testing::Values(0, 1, 5, 8, 500, 999, 1000));

TEST_F(RecordGrid, RowsShowTheRecordFields) {
    showAfterResultAt(1);
    EXPECT_EQ(view.row(1).markerColour, 16711680);
    EXPECT_EQ(view.row(1).points, "1499");
    EXPECT_EQ(view.row(1).date, "01/02/2003");
    EXPECT_EQ(view.row(1).name, "Giocatore 1");
    EXPECT_EQ(view.row(2).markerColour, 65280);

    view.VScroll1_Change(41); // positions 41..50: 42 is empty
    const RecordRowView& empty = view.row(2);
    EXPECT_EQ(empty.position, "42");
    EXPECT_EQ(empty.markerColour, 0);
    EXPECT_EQ(empty.points, "");
    EXPECT_EQ(empty.date, "");
    EXPECT_EQ(empty.name, "");
}

TEST_F(RecordGrid, ReloadShowsAFileChangedOutsideTheGame) {
    showAfterResultAt(1);
    testing::writeBytes(store.recordFilePath(), "\"255\",\"5\",\"09/09/2009\",\"Altro\"\r\n");
    view.VScroll1_Change(1);
    EXPECT_EQ(view.row(1).name, "Giocatore 1") << "scrolling never reads the file";
    view.ScritturaRecordParte1_();
    EXPECT_EQ(view.row(1).name, "Altro");
    EXPECT_EQ(view.row(2).name, "") << "positions the file does not reach are empty";
}

TEST_F(RecordGrid, MissingFileShowsEmptyRows) {
    fs::remove(store.recordFilePath());
    showAfterResultAt(1);
    EXPECT_EQ(view.row(1).position, "1");
    EXPECT_EQ(view.row(1).name, "");
    EXPECT_EQ(view.loadProblem(), "");
}

TEST_F(RecordGrid, StartUpRangeBeforeTheFirstReloadShowsNothingPastTheTable) {
    view.VScroll1_Change(view.scrollMaximum());
    EXPECT_EQ(view.row(RecordTableView::kRighe).position, "1001");
    EXPECT_EQ(view.row(RecordTableView::kRighe).name, "");
}

} // namespace
} // namespace vorlin

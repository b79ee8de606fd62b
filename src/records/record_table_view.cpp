#include "records/record_table_view.h"

#include "records/record_store.h"

#include <algorithm>

namespace vorlin {

namespace {

// The anchor row: the row that shows the anchor position after a reload. The first seven
// positions sit on their own row, the last two on rows 9 and 10, every other position on row 8.
// Anchor 0 (a result that did not enter) has no row and leaves the view at its end.
constexpr int kFirstRowsOwnRow = 7;
constexpr int kMiddleAnchorRow = 8;
constexpr int kPenultimatePosition = kNumeroRecord - 1;
constexpr int kPenultimateAnchorRow = 9;
constexpr int kLastAnchorRow = RecordTableView::kRighe;
// The anchor that stands for "the last result did not enter": the view's last page, unhighlighted.
constexpr int kAnchorWhenNotEntered = kNumeroRecord - RecordTableView::kRighe;
// Steps from the scroll bar's minimum to its maximum, whatever the anchor.
constexpr int kScrollSteps = kNumeroRecord - RecordTableView::kRighe;

// The anchor row of a position, or -1 for a position no rule covers (negative values).
int anchorRowOf(int position) {
    if (position == kNumeroRecord) return kLastAnchorRow;
    if (position == kPenultimatePosition) return kPenultimateAnchorRow;
    if (position > kFirstRowsOwnRow) return kMiddleAnchorRow;
    return position >= 0 ? position : -1;
}

} // namespace

RecordTableView::RecordTableView(const RecordStore& store, int& PosizioneUltimoRecord,
                                 int& SenzaEvidenziazione)
    : store_(store), PosizioneUltimoRecord_(PosizioneUltimoRecord),
      SenzaEvidenziazione_(SenzaEvidenziazione) {
    ColoriRecord.fill("0");
}

void RecordTableView::ScritturaRecordParte1_() {
    const RecordFileContents contents = store_.loadTable();
    loadProblem_ = contents.problem;
    for (int position = 1; position <= kNumeroRecord; ++position) {
        const Record& record = contents.records[static_cast<std::size_t>(position - 1)];
        ColoriRecord[position] = record.colour;
        PuntiRecord[position] = record.points;
        DateRecord[position] = record.date;
        NomiRecord[position] = record.name;
    }

    const int anchor = PosizioneUltimoRecord_;
    anchorOn(anchor);
    if (anchor == 0) {
        PosizioneUltimoRecord_ = kAnchorWhenNotEntered;
        SenzaEvidenziazione_ = 1;
    }
    value_ = std::clamp(PosizioneUltimoRecord_, minimum_, maximum_);
    refreshRows();
    if (SenzaEvidenziazione_ == 1)
        paintAllWhite();
    else
        highlight();
}

void RecordTableView::VScroll1_Change(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    refreshRows();
    if (SenzaEvidenziazione_ != 1) highlight();
}

void RecordTableView::anchorOn(int position) {
    const int row = anchorRowOf(position);
    if (row < 0) return;
    ScartoTabellaRecord_ = -row;
    minimum_ = row;
    maximum_ = row + kScrollSteps;
}

void RecordTableView::refreshRows() {
    for (int j = 1; j <= kRighe; ++j) {
        const int position = value_ + ScartoTabellaRecord_ + j;
        RecordRowView& shown = rows_[static_cast<std::size_t>(j - 1)];
        shown.position = std::to_string(position);
        if (position < 1 || position > kNumeroRecord) {
            // Only the scroll bar's start-up range reaches past the table; show an empty record.
            shown.markerColour = 0;
            shown.points.clear();
            shown.date.clear();
            shown.name.clear();
            continue;
        }
        shown.markerColour = colourValue(ColoriRecord[position]);
        shown.points = PuntiRecord[position];
        shown.date = DateRecord[position];
        shown.name = NomiRecord[position];
    }
}

void RecordTableView::highlight() {
    const std::string anchorText = std::to_string(PosizioneUltimoRecord_);
    for (RecordRowView& shown : rows_)
        shown.textColour = shown.position == anchorText ? kTestoArancione : kTestoBianco;
}

void RecordTableView::paintAllWhite() {
    for (RecordRowView& shown : rows_)
        shown.textColour = kTestoBianco;
}

} // namespace vorlin

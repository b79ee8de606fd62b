#pragma once

#include "records/record_format.h"

#include <array>
#include <string>

namespace vorlin {

class RecordStore;

// What one of the ten rows of the record grid shows.
struct RecordRowView {
    int markerColour = 0;      // fill of the square marker (Shape01..Shape10), 0x00BBGGRR
    std::string position;      // P01..P10
    std::string points;        // R01..R10
    std::string date;          // D01..D10
    std::string name;          // G01..G10
    int textColour = 16777215; // of the four labels: white, or orange on the last result's row
};

// The model behind the record grid of the record panel: ten rows onto the 1000 positions of the
// record table, moved by the scroll bar VScroll1.
//
// Row j (1..10, top to bottom) shows position VScroll1 value + ScartoTabellaRecord + j. The window
// binds its scroll bar to scrollMinimum/scrollMaximum/scrollValue, forwards the bar's value changes
// to VScroll1_Change, calls ScritturaRecordParte1_ for the "R" button, the "&Record" button and
// after each game over, and then paints the ten rows from row(j).
//
// PosizioneUltimoRecord and SenzaEvidenziazione belong to the game state; the view reads and
// writes them through the references it is given, which must outlive it.
class RecordTableView {
  public:
    static constexpr int kRighe = 10;
    static constexpr int kTestoBianco = 16777215; // white
    static constexpr int kTestoArancione = 33023; // orange: the row of the last result

    RecordTableView(const RecordStore& store, int& PosizioneUltimoRecord, int& SenzaEvidenziazione);

    // Reloads the table from the record file, anchors the view on PosizioneUltimoRecord and fills
    // and colours the ten rows. After a result that did not enter (anchor 0) the view shows
    // positions 991..1000 and the anchor becomes 990 with no highlight.
    void ScritturaRecordParte1_();

    // The scroll bar moved to `value` (kept within its range): refills the rows from the table
    // already loaded, and paints the last result's row orange when it is in view.
    void VScroll1_Change(int value);

    int scrollMinimum() const { return minimum_; }
    int scrollMaximum() const { return maximum_; }
    int scrollValue() const { return value_; }
    int ScartoTabellaRecord() const { return ScartoTabellaRecord_; }

    // Row j = 1..10, top to bottom.
    const RecordRowView& row(int j) const { return rows_.at(static_cast<std::size_t>(j - 1)); }

    // Empty, or an Italian message when the record file is there but could not be read at the
    // last reload; the rows then show empty records.
    const std::string& loadProblem() const { return loadProblem_; }

  private:
    void anchorOn(int position);
    void refreshRows();
    void highlight();
    void paintAllWhite();

    const RecordStore& store_;
    int& PosizioneUltimoRecord_;
    int& SenzaEvidenziazione_;

    // Positions 1..1000; index 0 is never used.
    std::array<std::string, kNumeroRecord + 1> ColoriRecord;
    std::array<std::string, kNumeroRecord + 1> PuntiRecord;
    std::array<std::string, kNumeroRecord + 1> DateRecord;
    std::array<std::string, kNumeroRecord + 1> NomiRecord;

    // The scroll bar as the window creates it, until the first reload anchors it.
    int ScartoTabellaRecord_ = 0;
    int minimum_ = 1;
    int maximum_ = kNumeroRecord - kRighe + 1;
    int value_ = 1;

    std::array<RecordRowView, kRighe> rows_{};
    std::string loadProblem_;
};

} // namespace vorlin

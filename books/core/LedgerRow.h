#pragma once

// Conversions between income or expense records and the rows of their
// tables. Row 0 is the heading row and is never filled from a record.

#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "common/core/Clock.h"
#include "common/core/ErrorSink.h"
#include "common/core/RecordFile.h"
#include "common/core/RecordTable.h"

namespace kiv5::books {

// An empty income or expense table: 14 columns, status in column 13.
RecordTable MakeLedgerTable();

// Fills row `row` from the record; column 12 gets `position`, not the stored
// RecNo. Hides the row for status -1 and -2, shows it for 0. Does nothing for
// row 0.
template <class R>
void ConvertLedgerRecToStringGrid(RecordTable& table, const R& record, int row, int position);

// Fills the rows of a whole ledger as its file is read, as
// ConvertLedgerRecToStringGrid does. A cell whose value equals the one of the
// row filled before shares that row's text: a large ledger keeps each
// repeated category, account, date or stamp once and formats it once.
template <class R> class LedgerRowFiller {
public:
    LedgerRowFiller();
    void Fill(RecordTable& table, const R& record, int row, int position);

private:
    bool filled_ = false;
    R before_{};
    // The shareable cells of the row filled before.
    QStringList cells_;
};

// The record of a row: texts cut to their capacity, dates and stamps read as
// date and time, the amount with Str2Float_2 (reporting to errors). Throws
// ConversionError for a
// date, stamp, position or status that does not read.
template <class R> R PopulateLedgerRec(const RecordTable& table, int row, const ErrorSink& errors);

// As PopulateLedgerRec, but the date is read as a date only and the amount as
// a plain decimal number, as a new record's row is written.
template <class R> R PopulateLedgerRecForWrite(const RecordTable& table, int row);

// Writes the row's record (PopulateLedgerRecForWrite) at the file's current
// position.
template <class R> void DoLedgerWrite(RecordFile& file, const RecordTable& table, int row);

// Fills the row of a new record: the next receipt or check number after the
// row above, its date (today for the first row), amount "0.00", both stamps
// now, `position` in column 12 unless it is -1, status "0", shown.
void MakeBlankLedgerRow(RecordTable& table, int row, int position, const Clock& clock);

inline void ConvertIncRecToStringGrid(RecordTable& table, const IncRec& record, int row,
                                      int position) {
    ConvertLedgerRecToStringGrid(table, record, row, position);
}
inline void ConvertExpRecToStringGrid(RecordTable& table, const ExpRec& record, int row,
                                      int position) {
    ConvertLedgerRecToStringGrid(table, record, row, position);
}
inline IncRec PopulateIncRec(const RecordTable& table, int row, const ErrorSink& errors) {
    return PopulateLedgerRec<IncRec>(table, row, errors);
}
inline ExpRec PopulateExpRec(const RecordTable& table, int row, const ErrorSink& errors) {
    return PopulateLedgerRec<ExpRec>(table, row, errors);
}
inline IncRec PopulateIncRecForWrite(const RecordTable& table, int row) {
    return PopulateLedgerRecForWrite<IncRec>(table, row);
}
inline ExpRec PopulateExpRecForWrite(const RecordTable& table, int row) {
    return PopulateLedgerRecForWrite<ExpRec>(table, row);
}
inline void DoIncWrite(RecordFile& file, const RecordTable& table, int row) {
    DoLedgerWrite<IncRec>(file, table, row);
}
inline void DoExpWrite(RecordFile& file, const RecordTable& table, int row) {
    DoLedgerWrite<ExpRec>(file, table, row);
}
inline void MakeBlankIncomeRow(RecordTable& table, int row, int position, const Clock& clock) {
    MakeBlankLedgerRow(table, row, position, clock);
}
inline void MakeBlankExpenseRow(RecordTable& table, int row, int position, const Clock& clock) {
    MakeBlankLedgerRow(table, row, position, clock);
}

} // namespace kiv5::books

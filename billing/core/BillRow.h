#pragma once

// Conversions between bills and the rows of the 42-column bill table. Row 0
// is the heading row and is never filled from a record.

#include "billing/core/TBillRec.h"
#include "common/core/Clock.h"
#include "common/core/ErrorSink.h"
#include "common/core/RecordFile.h"
#include "common/core/RecordTable.h"

namespace kiv5::billing {

// An empty bill table: 42 columns, status in column 41.
RecordTable MakeBillTable();

// Fills the row from the record; column 40 gets `recordNumber`, not the
// stored RecNo. Hides the row for status -1 and -2, shows it for 0. Does
// nothing for row 0.
void ConvertBillRecToStringGrid(RecordTable& table, const TBillRec& record, int row,
                                int recordNumber);

// The bill of a row: texts cut to their capacity, the note with its line
// breaks as " | ", money read with Str2Float_2, the rate with Str2Float_P
// (both reporting to errors; an amount beyond what the field holds reads as
// unreadable, 21202).
// Throws ConversionError for a date, stamp, record number or status that
// does not read.
TBillRec PopulateBillRec(const RecordTable& table, int row, const ErrorSink& errors);

// Fills the row of a new bill: last bill date today for row 1 (and the
// heading row), else the row above's; money "0.00"; interest "N"; both
// stamps now; `recordNumber` in column 40 unless it is -1; status "0"; shown.
void MakeBlankRow(RecordTable& table, int row, int recordNumber, const Clock& clock);

// Writes the row's bill (PopulateBillRec) at the file's current position.
void DoWrite(RecordFile& file, const RecordTable& table, int row, const ErrorSink& errors);

} // namespace kiv5::billing

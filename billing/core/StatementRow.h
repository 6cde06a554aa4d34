#pragma once

// Conversions between itemized statement lines and the rows of the 9-column
// worksheet table, and the line of a statement's backup text.

#include "billing/core/ISRec.h"
#include "common/core/Clock.h"
#include "common/core/ErrorSink.h"
#include "common/core/RecordFile.h"
#include "common/core/RecordTable.h"

namespace kiv5::billing {

// An empty worksheet table: 9 columns, status in column 8.
RecordTable MakeStatementTable();

// Fills the row from the line; column 7 gets the stored RecNo. Time spent as
// "%14.2n" with its trailing blanks removed (the leading ones stay), the rate
// as "%12.2n" without leading blanks. Hides the row for status -1 and -2,
// shows it for 0. Does nothing for row 0.
void ConvertISRecToStringGrid(RecordTable& table, const ISRec& record, int row);

// The line of a row: the date read as date and time, the description with
// its line breaks as " | " and cut to 255, the time as a plain number
// (thousands separators allowed), the rate with Str2Float_2 (reporting to
// errors). Throws
// ConversionError for a date, time, stamp, record number or status that does
// not read.
ISRec PopulateISRec(const RecordTable& table, int row, const ErrorSink& errors);

// Fills the row of a new line: marked, today's date for rows 0 and 1, else
// the row above's; time "0.00"; the rate as "%14.2n" without trailing blanks;
// both stamps now; `recordNumber` in column 7 unless it is -1; status "0";
// shown.
void MakeBlankISRow(RecordTable& table, int row, int recordNumber, double hourlyRate,
                    const Clock& clock);

// Writes the row's line (PopulateISRec) at the file's current position.
void DoISWrite(RecordFile& file, const RecordTable& table, int row, const ErrorSink& errors);

// The backup text line of a row: a tab, then columns 1, 2, 3, the rate of
// column 4 cleaned with RemoveCommasAndSigns, and columns 5 to 8, separated
// by tabs.
QString StatementBackupLine(const RecordTable& table, int row);

// Fills a row from a backup text line as the restore does: the fields go to
// columns 0 to 4 (missing ones empty), both stamps now, `recordNumber` in
// column 7, status "0", shown.
void FillISRowFromBackupLine(RecordTable& table, int row, const QString& line, int recordNumber,
                             const Clock& clock);

} // namespace kiv5::billing

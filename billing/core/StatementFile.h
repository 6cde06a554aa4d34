#pragma once

// Itemized statement files (".is5"): 312-byte line records, line k at slot k
// (0-based). The stored RecNo is the line's slot and is used as it stands.

#include "billing/core/StatementRow.h"

namespace kiv5::billing {

// Replaces the data rows of the table by the file's lines in file order
// (ConvertISRecToStringGrid, column 7 from the stored RecNo). The table is
// left as it was when the file cannot be read. Sorting by date is the
// caller's.
void ReadStatementFile(const QString& path, RecordTable& table);

// The stored line at `slot`, for the stamp comparison before a save.
ISRec ReadStatementLine(const QString& path, int slot);
// Writes a line in place at slot RecNo.
void WriteStatementLine(const QString& path, const ISRec& record);
// Writes the row's line (PopulateISRec) at slot RecNo and returns it.
ISRec WriteStatementRow(const QString& path, const RecordTable& table, int row,
                        const ErrorSink& errors);
// Stores the row of a new line at the file's real end, found under the
// append lock; column 7 and the line's RecNo become that slot, returned.
int AppendStatementRow(const QString& path, RecordTable& table, int row, const ErrorSink& errors);

} // namespace kiv5::billing

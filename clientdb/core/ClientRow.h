#pragma once

// Conversions between a client record and a row of the client table.

#include "clientdb/core/NameRec.h"
#include "common/core/RecordTable.h"

namespace kiv5 {

// Fills row ARow from the record; the record number column gets ARecNo, not
// the stored RecNo. The row is hidden for status -1 and -2 and shown for 0.
// Row 0 (the header row) is left alone.
void ConvertNameRecToStringGrid(RecordTable& table, const NameRec& rec, int ARow, int ARecNo);

// The record a row stands for. Texts are cut to capacity when the record is
// encoded; an empty or unknown state abbreviation gives -1; an empty time
// cell gives 0. Throws ConversionError for a time, record number or status
// that does not read.
NameRec PopulateNameRec(const RecordTable& table, int row);

// The text a time stamp has in the table: the time of day is left out at
// exactly midnight; empty for a value that is no valid date-time.
QString FormatClientStamp(double value);

} // namespace kiv5

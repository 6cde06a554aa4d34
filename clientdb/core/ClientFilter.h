#pragma once

// Set Filter and Cancel Filter on the client table. Only the table changes;
// the file gets marks and statuses when rows are next written. Deleted rows
// (status -2) are never touched.

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/NameRec.h"
#include "common/core/RecordTable.h"

namespace kiv5 {

// The criteria before any filter ran: every text empty, no state (-1).
NameRec EmptyFilterRec();

// Marks every row that is not deleted "X", then rejects it (no mark, status
// -1, hidden) when a criterion does not fit: a non-empty text of FilterRec,
// ClientNo to Memo, that does not occur in the upper-case text of its column
// (the memo against column 17 as held, breaks as " | "), or a state other
// than -1 whose abbreviation differs from column 9, case-sensitively. A row
// hidden by an earlier filter stays hidden, so filters narrow; it is marked
// when it fits the new criteria. Progress is r / n * 100, truncated.
void FilterNames(RecordTable& table, const NameRec& FilterRec,
                 const PercentProgress& progress = {});

// Clears the mark of every row that is not deleted and shows the rows the
// filter hid (status -1 back to 0).
void FilterCancel(RecordTable& table, const PercentProgress& progress = {});

} // namespace kiv5

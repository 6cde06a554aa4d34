#pragma once

// Where First, Last, Next and Prior go, and which row becomes current after a
// delete. Rows are table rows 1..n; 0 means "no such row, do not move".

#include "common/core/RecordTable.h"

namespace kiv5 {

// The first and the last row that is not deleted; a row hidden by the filter
// counts. 0 when every row is deleted or the table is empty.
int FirstClientRow(const RecordTable& table);
int LastClientRow(const RecordTable& table);

// The next row after CurrentRowNo that is not deleted (it may be hidden by
// the filter); 0 past the end.
int NextClientRow(const RecordTable& table, int CurrentRowNo);

// From the row above currentRow, up over rows that are not active (hidden or
// deleted) but never above row 2; if the row reached is not active, down from
// there to the first active row, which may be currentRow itself. So a hidden
// row 2 keeps Prior from reaching row 1. 0 on row 1 (there is nothing above
// it) and when no active row is found.
int PriorClientRow(const RecordTable& table, int currentRow);

struct RowAfterDelete {
    int row;        // the new current row; 0 keeps the current row as it is
    bool closeForm; // the entry form has nothing to show and closes
};

// After currentRow was deleted: up from currentRow to the nearest active row,
// never above row 1. If none is found there and the entry form is open, the
// form closes and the current row stays. Otherwise down from the row reached
// to the first active row. When no active row is left at all, row is 0 and
// an open form closes.
RowAfterDelete RowAfterDeletion(const RecordTable& table, int currentRow, bool formOpen);

} // namespace kiv5

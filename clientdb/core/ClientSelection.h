#pragma once

// Marks set from the list view and by Select All / Select None. Rows are
// found by their record number (column 20); 0 means no row holds it.

#include "clientdb/core/ClientFile.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

#include <QList>
#include <QString>

namespace kiv5 {

// The row holding record number recNo, or 0.
int RowOfRecNo(const RecordTable& table, int recNo);

// Plain click on a list entry: its row gets "X" and every other row 1..n
// loses its mark, rows hidden by the filter or deleted included. Returns the
// row; when no row holds recNo nothing changes and 0 comes back.
int SelectOnlyRecNo(RecordTable& table, int recNo);

// Ctrl+click: flips the mark of the row holding recNo. Returns the row, or 0
// (nothing changed).
int ToggleMarkOfRecNo(RecordTable& table, int recNo);

// Shift+click: sorts by record number, marks the rows of recNos, then sorts
// back by the column sorted before in its current direction (also when the
// marking fails). No direction flag changes. Before any sort the table stays
// in record-number order.
void MarkRecNos(RecordTable& table, const TableProfile& profile, SortState& state,
                const QList<int>& recNos);

// Select All (selected) or Select None: sorts by record number, sets every
// mark and writes it to the client file (SetAllMarks), then sorts back by
// the column sorted before in its current direction; the sort back also
// happens when the file fails, and the error goes on.
void SelectAllRecords(const QString& clientFilePath, RecordTable& table,
                      const TableProfile& profile, SortState& state, bool selected,
                      const PercentProgress& progress = {});

} // namespace kiv5

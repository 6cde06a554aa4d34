#pragma once

// The checks of the entry form's "Save" before anything is written.

#include "clientdb/core/ClientEntry.h"
#include "common/core/RecordTable.h"

#include <QString>

namespace kiv5 {

// The error code that stops saving the entry into row, or 0:
// 11060 the client number is empty, 11070 another row (deleted rows
// included) holds the same client number under a different record number,
// 11110 the last name is empty. A text of blanks only counts as empty. The
// client number is compared exactly, as it will be stored (cut to 8
// characters).
int ValidateClientEntry(const RecordTable& table, int row, const ClientEntry& entry);

// The row whose client number equals clientNo exactly, or 0. When several
// rows hold it, an active row wins, then one hidden by the filter, then a
// deleted one; among equals the topmost.
int FindRowOfClientNo(const RecordTable& table, const QString& clientNo);

} // namespace kiv5

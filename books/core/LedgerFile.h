#pragma once

// Income and expense files (".inc", ".exp"): fixed 264-byte records, record
// n at position n (1-based), no header. R is IncRec or ExpRec.

#include "books/core/LedgerRow.h"

namespace kiv5::books {

// Replaces the record rows of the table by the file's records: row k holds
// the k-th record and column 12 holds k, whatever RecNo the file holds. The
// table is left as it was when the file cannot be read.
template <class R> void ReadLedgerFile(const QString& path, RecordTable& table);

// The stored record at `position` (1-based), for the stamp comparison before
// a save (IsForeignWrite).
template <class R> R ReadLedgerRecord(const QString& path, int position);

// Writes a record at `position` (1-based) in place: open, seek, write, close.
template <class R> void WriteLedgerRecord(const QString& path, const R& record, int position);

// Writes the row's record (PopulateLedgerRec) at the position of its column
// 12 and returns the record written.
template <class R>
R WriteLedgerRow(const QString& path, const RecordTable& table, int row, const ErrorSink& errors);

// Stores the row of a new record (PopulateLedgerRecForWrite) at the file's
// real end, found under the append lock; column 12 and the record's RecNo
// become that position, which is returned.
template <class R> int AppendLedgerRow(const QString& path, RecordTable& table, int row);

// Rewrites the whole file from the table in ascending order of column 12,
// rows of every status included, without reordering the table. Record k gets
// RecNo k; a row whose column 12 differed from its new position is
// renumbered once the file is in place.
template <class R>
void WriteLedgerFile(const QString& path, RecordTable& table, const ErrorSink& errors);

} // namespace kiv5::books

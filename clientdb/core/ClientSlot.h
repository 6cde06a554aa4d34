#pragma once

// Writing single client slots: save and delete with the test for another
// user's write, the two ways out of a conflict, and the marks of Select All
// and Select None. Each call opens the client file in place for that one
// operation and closes it on every path.

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/MemoList.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Clock.h"
#include "common/core/RecordTable.h"

namespace kiv5 {

struct SlotWrite {
    // Another user wrote the slot after this copy read it; nothing was written.
    bool conflict = false;
    NameRec stored; // the record found in the slot before writing
    NameRec edited; // the row's record as written, or as it would have been
};

// Saves a row to the slot its record number names. Without a conflict both
// stamps become now, in the record and in the row. On a conflict nothing is
// written and the stored record comes back for the comparison.
SlotWrite SaveClientRow(const QString& path, RecordTable& table, int row, const Clock& clock);

// Marks a row deleted (status -2, hidden) and saves it as SaveClientRow
// does. On a conflict, or when the write fails, nothing is written and the
// row keeps its status.
SlotWrite DeleteClientRow(const QString& path, RecordTable& table, int row, const Clock& clock);

// Conflict resolved for the edited version: writes it to its own slot with
// both stamps renewed, in the record and in the row. Returns it as stored.
// Throws SavedMeanwhileError, writing nothing, when the slot holds a version
// saved after the one compared (its PostTime comparedPostTime).
NameRec KeepEditedRecord(const QString& path, RecordTable& table, int row, NameRec edited,
                         DayCount comparedPostTime, const Clock& clock);

// Conflict resolved for the stored version: the row shows the stored record
// under the stored record number, and memo line RecNo is what belongs to the
// stored memo (the memo file's line when it continues the record's memo,
// else empty).
void KeepStoredRecord(const ClientFiles& files, RecordTable& table, int row, const NameRec& stored,
                      MemoList& memo);

// Select All (selected) or Select None: sets the mark of every row 1..n and
// writes into each row's stored record only the mark and the row's filter
// status (-1 or 0), leaving every other byte as stored; a record stored as
// deleted stays deleted. Progress is the row's share of the file's record
// count. Every row's slot is checked before anything is written.
void SetAllMarks(const QString& path, RecordTable& table, bool selected,
                 const PercentProgress& progress = {});

} // namespace kiv5

#pragma once

// The entry form's "Save" after its checks passed (ValidateClientEntry): the
// form goes into the row, the row to its slot, and the table is sorted again.
// Questions and messages (11100, the comparison) are the caller's. The memo
// file is not written here: an edited memo lives in MemoList until the file
// is saved, closed or the program ends.

#include "clientdb/core/ClientEntry.h"
#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/MemoList.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Clock.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

#include <QStringList>

namespace kiv5 {

struct EntrySave {
    // Another user wrote the slot after this copy read it; nothing was
    // written, the row holds the edited version and row is the row saved.
    bool conflict = false;
    NameRec stored; // the record found in the slot
    NameRec edited; // the row's record as written, or as it would have been
    int row = 0;    // without a conflict: the saved client's row after the sort
};

// Writes the entry into the row (EntryFormToGridRow) and saves the slot
// (SaveClientRow). Without a conflict: sorts by SortedColumn in its current
// direction (no flag flip) and returns the row now holding the saved client.
EntrySave SaveClientEntry(const ClientFiles& files, RecordTable& table, const TableProfile& profile,
                          SortState& state, int row, const ClientEntry& entry, MemoList& memo,
                          const Clock& clock);

// After the comparison: keepEdited writes the edited version to its slot
// (KeepEditedRecord); otherwise (keep stored, or cancel) the row takes the
// stored version (KeepStoredRecord). Then the same sort; returns the row of
// the version kept.
int ResolveSaveConflict(const ClientFiles& files, RecordTable& table, const TableProfile& profile,
                        SortState& state, int row, const EntrySave& save, bool keepEdited,
                        MemoList& memo, const Clock& clock);

} // namespace kiv5

#include "clientdb/core/ClientSaveRecord.h"

#include "clientdb/core/ClientSlot.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ClientValidation.h"
#include "common/core/StateTable.h"

namespace kiv5 {
namespace {

// Sorts as the table was sorted and finds the saved client again. Its client
// number is looked up; should another row share it, the row under the saved
// record number wins.
int SortAndFind(RecordTable& table, const TableProfile& profile, SortState& state,
                const NameRec& saved) {
    if (state.SortedColumn != SortState::NoColumn) {
        SortColumnShell(table, profile, state, state.SortedColumn);
    }
    const QString recNo = QString::number(saved.RecNo);
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, ClientCol::ClientNo) == saved.ClientNo &&
            table.Cell(row, ClientCol::RecNo) == recNo) {
            return row;
        }
    }
    return FindRowOfClientNo(table, saved.ClientNo);
}

} // namespace

EntrySave SaveClientEntry(const ClientFiles& files, RecordTable& table, const TableProfile& profile,
                          SortState& state, int row, const ClientEntry& entry, MemoList& memo,
                          const Clock& clock) {
    // A save that fails leaves the row and the memo lines as they were.
    const QStringList cells = table.Row(row);
    const bool hidden = table.IsHidden(row);
    const MemoList lines = memo;
    EntryFormToGridRow(entry, table, row, memo);
    SlotWrite written;
    try {
        written = SaveClientRow(files.clientFile, table, row, clock);
    } catch (...) {
        table.Row(row) = cells;
        table.SetHidden(row, hidden);
        memo = lines;
        throw;
    }
    EntrySave save;
    save.conflict = written.conflict;
    save.stored = written.stored;
    save.edited = written.edited;
    save.row = written.conflict ? row : SortAndFind(table, profile, state, written.edited);
    return save;
}

int ResolveSaveConflict(const ClientFiles& files, RecordTable& table, const TableProfile& profile,
                        SortState& state, int row, const EntrySave& save, bool keepEdited,
                        MemoList& memo, const Clock& clock) {
    if (keepEdited) {
        const NameRec kept = KeepEditedRecord(files.clientFile, table, row, save.edited,
                                              save.stored.PostTime, clock);
        return SortAndFind(table, profile, state, kept);
    }
    KeepStoredRecord(files, table, row, save.stored, memo);
    return SortAndFind(table, profile, state, save.stored);
}

} // namespace kiv5

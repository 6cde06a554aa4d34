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
    EntryFormToGridRow(entry, table, row, memo);
    const SlotWrite written = SaveClientRow(files.clientFile, table, row, clock);
    EntrySave save;
    save.conflict = written.conflict;
    save.stored = written.stored;
    save.edited = written.edited;
    save.row = written.conflict ? row : SortAndFind(table, profile, state, written.edited);
    return save;
}

int ResolveSaveConflict(const ClientFiles& files, RecordTable& table, const TableProfile& profile,
                        SortState& state, int row, const EntrySave& save, bool keepEdited,
                        MemoList& memo) {
    if (keepEdited) {
        KeepEditedRecord(files.clientFile, save.edited);
        return SortAndFind(table, profile, state, save.edited);
    }
    KeepStoredRecord(files, table, row, save.stored, memo);
    return SortAndFind(table, profile, state, save.stored);
}

QStringList ClientCompareValues(const NameRec& rec) {
    const QString cityStateZip = rec.City + QStringLiteral(", ") +
                                 IntToStateAbbreviation(rec.State) + QStringLiteral("  ") +
                                 rec.ZipCode;
    return {rec.ClientNo, rec.LastName, rec.FirstName, rec.Company, rec.Address1,
            rec.Address2, cityStateZip, rec.Phone,     rec.Cell,    rec.Fax,
            rec.EMail,    rec.Note1,    rec.Note2,     rec.Memo};
}

} // namespace kiv5

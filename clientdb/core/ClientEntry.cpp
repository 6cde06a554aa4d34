#include "clientdb/core/ClientEntry.h"

#include "clientdb/core/ClientTable.h"
#include "common/core/Misc.h"
#include "common/core/StateTable.h"

namespace kiv5 {
namespace {

// What the record holds of each one-line field, columns 2 to 16 (the state
// column is not a text of the form).
int CapacityOf(int column) {
    switch (column) {
    case ClientCol::ClientNo:
        return 8;
    case ClientCol::City:
        return 32;
    case ClientCol::ZipCode:
        return 10;
    case ClientCol::Phone:
    case ClientCol::Cell:
    case ClientCol::Fax:
        return 20;
    case ClientCol::EMail:
        return 128;
    default:
        return 64;
    }
}

} // namespace

ClientEntry GridRowToEntryForm(const RecordTable& table, int row, const MemoList& memo) {
    ClientEntry entry;
    for (int column = ClientEntry::kFirstColumn; column <= ClientEntry::kLastColumn; ++column) {
        if (column != ClientCol::State) {
            entry.Text(column) = table.Cell(row, column);
        }
    }
    entry.state = StateAbbreviationToInt(table.Cell(row, ClientCol::State));
    entry.memo = EntryFormMemo(table, row, memo);
    entry.selected = table.Cell(row, ClientCol::Mark) == QLatin1String("X");
    entry.recNo = TryParseInteger(table.Cell(row, ClientCol::RecNo)).value_or(0);
    return entry;
}

void EntryFormToGridRow(const ClientEntry& entry, RecordTable& table, int row, MemoList& memo) {
    table.SetCell(row, ClientCol::Mark, entry.selected ? QStringLiteral("X") : QString());
    for (int column = ClientEntry::kFirstColumn; column <= ClientEntry::kLastColumn; ++column) {
        if (column != ClientCol::State) {
            table.SetCell(row, column, entry.Text(column).left(CapacityOf(column)));
        }
    }
    table.SetCell(row, ClientCol::State, IntToStateAbbreviation(entry.state));
    // The row keeps its own record number: entry.recNo only labels the form.
    StoreMemoOverflow(table, row, entry.memo, memo);
}

} // namespace kiv5

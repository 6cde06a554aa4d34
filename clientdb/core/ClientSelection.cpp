#include "clientdb/core/ClientSelection.h"

#include "clientdb/core/ClientSlot.h"
#include "clientdb/core/ClientTable.h"
#include "common/core/Misc.h"

#include <QSet>

namespace kiv5 {
namespace {

const QString kMark = QStringLiteral("X");

// Runs work with the table in record-number order and restores the column
// sorted before, whatever happens.
template <typename Work>
void InRecNoOrder(RecordTable& table, const TableProfile& profile, SortState& state, Work work) {
    const int remembered = state.SortedColumn;
    const auto sortBack = [&] {
        if (remembered != SortState::NoColumn) {
            SortColumnShell(table, profile, state, remembered);
        }
    };
    try {
        SortColumnShell(table, profile, state, ClientCol::RecNo);
        work();
    } catch (...) {
        sortBack();
        throw;
    }
    sortBack();
}

} // namespace

int RowOfRecNo(const RecordTable& table, int recNo) {
    for (int row = 1; row < table.RowCount(); ++row) {
        if (TryParseInteger(table.Cell(row, ClientCol::RecNo)) == recNo) {
            return row;
        }
    }
    return 0;
}

int SelectOnlyRecNo(RecordTable& table, int recNo) {
    const int found = RowOfRecNo(table, recNo);
    if (found == 0) {
        return 0;
    }
    for (int row = 1; row < table.RowCount(); ++row) {
        table.SetCell(row, ClientCol::Mark, row == found ? kMark : QString());
    }
    return found;
}

int ToggleMarkOfRecNo(RecordTable& table, int recNo) {
    const int row = RowOfRecNo(table, recNo);
    if (row != 0) {
        const bool marked = table.Cell(row, ClientCol::Mark) == kMark;
        table.SetCell(row, ClientCol::Mark, marked ? QString() : kMark);
    }
    return row;
}

void MarkRecNos(RecordTable& table, const TableProfile& profile, SortState& state,
                const QList<int>& recNos) {
    InRecNoOrder(table, profile, state, [&] {
        const QSet<int> wanted(recNos.begin(), recNos.end());
        for (int row = 1; row < table.RowCount(); ++row) {
            const auto recNo = TryParseInteger(table.Cell(row, ClientCol::RecNo));
            if (recNo && wanted.contains(*recNo)) {
                table.SetCell(row, ClientCol::Mark, kMark);
            }
        }
    });
}

void SelectAllRecords(const QString& clientFilePath, RecordTable& table,
                      const TableProfile& profile, SortState& state, bool selected,
                      const PercentProgress& progress) {
    InRecNoOrder(table, profile, state,
                 [&] { SetAllMarks(clientFilePath, table, selected, progress); });
}

} // namespace kiv5

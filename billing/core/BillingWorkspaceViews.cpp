// The commands that order, mark, filter and search the bill table.

#include "billing/core/BillPatch.h"
#include "billing/core/BillingWorkspace.h"
#include "billing/core/BillingWorkspaceReset.h"
#include "common/core/ConflictTest.h"
#include "common/core/FastFind.h"
#include "common/core/Misc.h"

namespace kiv5::billing {
namespace {

void Report(const PercentProgress& progress, qint64 done, qint64 total) {
    if (progress && total > 0) {
        progress(static_cast<int>(done * 100 / total));
    }
}

} // namespace

void BillingWorkspace::ReSort() {
    SortColumnShell(table_, profile_, sort_, BillColumn::FullName);
}

// The current bill stays current wherever the sort puts it.
template <class Sort> static void KeepingCurrent(RecordTable& table, int& current, Sort sort) {
    const bool known = current >= 1 && current < table.RowCount();
    const QString recNo = known ? table.Cell(current, BillColumn::RecNo) : QString();
    sort();
    if (!known) {
        return;
    }
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, BillColumn::RecNo) == recNo) {
            current = row;
            return;
        }
    }
}

void BillingWorkspace::SortByHeader(int column, const PercentProgress& progress) {
    ResetOnExit reset(*this);
    KeepingCurrent(table_, currentRow_,
                   [&] { SortByHeaderClick(table_, profile_, sort_, column, progress); });
}

void BillingWorkspace::SortByBalanceDue(const PercentProgress& progress) {
    ResetOnExit reset(*this);
    sort_.AscendFlag[BillColumn::BalanceForward] = false;
    KeepingCurrent(table_, currentRow_, [&] {
        SortColumnShell(table_, profile_, sort_, BillColumn::BalanceForward, progress);
    });
}

void BillingWorkspace::SortByName(const PercentProgress& progress) {
    ResetOnExit reset(*this);
    KeepingCurrent(table_, currentRow_, [&] {
        SortColumnShell(table_, profile_, sort_, BillColumn::FullName, progress);
    });
}

void BillingWorkspace::SelectAll(bool selected, const PercentProgress& progress) {
    QList<int> live;
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.IsActive(row)) {
            live.append(row);
        }
    }
    if (live.isEmpty()) {
        return;
    }
    ResetOnExit reset(*this);
    const PatchedRowsGuard guard(table_, QStringLiteral("-2"));
    const RecordWriteLock lock(files_.dataFile);
    BillPatcher patch(files_.dataFile);
    const QString mark = selected ? QStringLiteral("X") : QString();
    for (qsizetype k = 0; k < live.size(); ++k) {
        const int row = live[k];
        const int recNo = RecNoOf(row);
        if (patch.Status(recNo) == -2) {
            table_.SetCell(row, BillColumn::Status, QStringLiteral("-2"));
            table_.SetHidden(row, true);
        } else {
            patch.WriteMark(recNo, selected);
            table_.SetCell(row, BillColumn::Mark, mark);
        }
        Report(progress, k + 1, live.size());
    }
    patch.Close();
}

void BillingWorkspace::SetFilter(const BillFilterRec& criteria, const PercentProgress& progress) {
    const BillFilter filter = ParseBillFilter(criteria);
    if (!IsOpen()) {
        criteria_ = filter.criteria;
        return;
    }
    ResetOnExit reset(*this);
    {
        // A failed patch leaves the file, the rows and the filter as they were.
        const PatchedRowsGuard guard(table_, QStringLiteral("-2"));
        const RecordWriteLock lock(files_.dataFile);
        BillPatcher patch(files_.dataFile);
        const int rows = table_.DataRowCount();
        for (int row = 1; row <= rows; ++row) {
            if (table_.IsActive(row) && !PassesBillFilter(table_, row, filter)) {
                const int recNo = RecNoOf(row);
                const qint32 stored = patch.Status(recNo);
                if (stored != -2 && stored != -1) {
                    patch.WriteStatus(recNo, -1);
                }
                table_.SetCell(row, BillColumn::Status,
                               stored == -2 ? QStringLiteral("-2") : QStringLiteral("-1"));
                table_.SetHidden(row, true);
            }
            Report(progress, row, rows);
        }
        patch.Close();
    }
    criteria_ = filter.criteria;
    filterActive_ = true;
    emit FilterChanged(true);
}

void BillingWorkspace::CancelFilter(const PercentProgress& progress) {
    QList<int> filtered;
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Status(row) == QLatin1String("-1")) {
            filtered.append(row);
        }
    }
    ResetOnExit reset(*this);
    if (!filtered.isEmpty()) {
        const PatchedRowsGuard guard(table_, QStringLiteral("-2"));
        const RecordWriteLock lock(files_.dataFile);
        BillPatcher patch(files_.dataFile);
        for (qsizetype k = 0; k < filtered.size(); ++k) {
            const int row = filtered[k];
            const int recNo = RecNoOf(row);
            const qint32 stored = patch.Status(recNo);
            if (stored != -2 && stored != 0) {
                patch.WriteStatus(recNo, 0);
            }
            table_.SetCell(row, BillColumn::Status,
                           stored == -2 ? QStringLiteral("-2") : QStringLiteral("0"));
            table_.SetHidden(row, stored == -2);
            Report(progress, k + 1, filtered.size());
        }
        patch.Close();
    }
    filterActive_ = false;
    emit FilterChanged(false);
}

std::optional<int> BillingWorkspace::NextMatch(const QString& text, int fromRow) const {
    return kiv5::NextMatch(table_, profile_, text, fromRow);
}

} // namespace kiv5::billing

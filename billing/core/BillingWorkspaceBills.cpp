// The bill commands of the workspace: the client list, add, save with the
// stamp test, the conflict's resolution, delete and the entry form's moves.

#include "billing/core/BillMoney.h"
#include "billing/core/BillRow.h"
#include "billing/core/BillingFile.h"
#include "billing/core/BillingWorkspace.h"
#include "billing/core/BillingWorkspaceReset.h"
#include "common/core/ConflictTest.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "common/core/RecordSlot.h"

#include <vector>

namespace kiv5::billing {
namespace {

bool IsDeleted(const RecordTable& table, int row) {
    return table.Status(row) == QLatin1String("-2");
}

QString CompareMoney(const QString& cell) {
    const std::optional<qint64> units = TryMoneyUnits(cell);
    return units ? TrimLeadSpaces(FormatNumber("%14.2n", UnitsToMoney(*units))) : cell;
}

} // namespace

std::optional<QStringList> BillingWorkspace::ClientListItems(const PercentProgress& progress) {
    if (!HasClientFile()) {
        return std::nullopt;
    }
    const QStringList& items = clients_.Items(ClientFile(), progress);
    if (clients_.Generation() != clientIndexGeneration_) {
        clientItems_ = items;
        clientIndex_.clear();
        clientIndex_.reserve(items.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            clientIndex_.insert(ClientNumberKey(ClientNumberOfText(items[i])), static_cast<int>(i));
        }
        clientIndexGeneration_ = clients_.Generation();
    }
    return items;
}

int BillingWorkspace::ClientItemOf(const QString& clientNo) const {
    const QString wanted = clientNo.trimmed();
    if (wanted.isEmpty()) {
        return -1;
    }
    return clientIndex_.value(ClientNumberKey(wanted), -1);
}

BillEntry BillingWorkspace::EntryOf(int row) const {
    return HasRow(row) ? EntryOfBillRow(table_, row) : BillEntry{};
}

int BillingWorkspace::RecNoOf(int row) const {
    return ParseInteger(table_.Cell(row, BillColumn::RecNo));
}

int BillingWorkspace::RowOfRecNo(int recNo) const {
    const QString wanted = QString::number(recNo);
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Cell(row, BillColumn::RecNo) == wanted) {
            return row;
        }
    }
    return 0;
}

void BillingWorkspace::SetStamps(int row, DayCount now) {
    const QString stamp = FormatDateTime(now, Midnight::Omit);
    table_.SetCell(row, BillColumn::PostTime, stamp);
    table_.SetCell(row, BillColumn::PullTime, stamp);
}

BillAddOutcome BillingWorkspace::Add() {
    if (!HasClientFile()) {
        return {11150, 0};
    }
    if (!IsOpen()) {
        throw IoError(QStringLiteral("No billing file is open."));
    }
    ResetOnExit reset(*this);
    int known = 0;
    for (int row = 1; row < table_.RowCount(); ++row) {
        known = qMax(known, RecNoOf(row));
    }
    const int blankRow = table_.AppendRow();
    MakeBlankRow(table_, blankRow, 0, context_.clock);
    const QStringList blank = table_.Row(blankRow);
    table_.SetRowCount(blankRow);

    RecordTable scratch = MakeBillTable();
    scratch.SetRowCount(2);
    scratch.SetRow(1, blank);
    TBillRec record = PopulateBillRec(scratch, 1, context_.errors);
    std::vector<TBillRec> others;
    const QString& path = files_.dataFile;
    const qint64 slot = AppendRecordAtEnd<TBillRec>(path, [&](qint64 at) {
        // Bills other users appended since this table was read come in first.
        if (at > known) {
            RecordFile file(path, RecordLayout<TBillRec>::kSize, RecordFile::Mode::Read);
            file.Seek(known);
            for (qint64 k = known; k < at; ++k) {
                others.push_back(file.ReadRecord<TBillRec>());
            }
            file.Close();
        }
        record.RecNo = static_cast<qint32>(at + 1);
        return record;
    });
    for (std::size_t k = 0; k < others.size(); ++k) {
        const int added = table_.AppendRow();
        ConvertBillRecToStringGrid(table_, others[k], added, known + static_cast<int>(k) + 1);
    }
    const int row = table_.AppendRow();
    table_.SetRow(row, blank);
    table_.SetCell(row, BillColumn::RecNo, QString::number(slot + 1));
    currentRow_ = row;
    ModifiedRecord = true;
    return {0, row};
}

QList<CompareRow> BillingWorkspace::CompareRowsOf(const QStringList& cells) const {
    QList<CompareRow> rows = {
        {QStringLiteral("Client No.:"), cells[BillColumn::ClientNo]},
        {QStringLiteral("Full Name:"), cells[BillColumn::FullName]},
        {QStringLiteral("Last Bill:"), cells[BillColumn::LastBill]},
        {QStringLiteral("Balance:"), CompareMoney(cells[BillColumn::BalanceForward])},
    };
    for (int line = 0; line < kBillLines; ++line) {
        rows.append({QStringLiteral("Desc. %1:").arg(line + 1),
                     cells[BillColumn::FirstDescription + 2 * line]});
    }
    for (int line = 0; line < kBillLines; ++line) {
        rows.append({QStringLiteral("Amount %1:").arg(line + 1),
                     CompareMoney(cells[BillColumn::FirstAmount + 2 * line])});
    }
    for (int line = 0; line < kBillLines; ++line) {
        rows.append(
            {QStringLiteral("IS Path %1:").arg(line + 1), cells[BillColumn::FirstISPath + line]});
    }
    rows.append({QStringLiteral("Note:"), RestoreCRLFFromPipe(cells[BillColumn::Note]), true});
    rows.append({QStringLiteral("Interest:"), cells[BillColumn::Interest]});
    rows.append({QStringLiteral("Int. Rate:"), cells[BillColumn::InterestRate]});
    return rows;
}

BillSaveOutcome BillingWorkspace::SaveBill(int row, const BillEntry& entry) {
    BillSaveOutcome outcome;
    if (!HasRow(row)) {
        outcome.kind = BillSaveOutcome::Refused;
        return outcome;
    }
    const EntryCheck check = CheckBillEntry(entry);
    if (!check.Passed()) {
        outcome.kind = BillSaveOutcome::Refused;
        outcome.code = check.code;
        outcome.message = check.message;
        return outcome;
    }
    ResetOnExit reset(*this);
    const QStringList before = table_.Row(row);
    try {
        ApplyBillEntry(table_, row, entry);
        const int recNo = RecNoOf(row);
        if (const auto stored = WriteUnlessForeign(row)) {
            RecordTable scratch = MakeBillTable();
            scratch.SetRowCount(2);
            ConvertBillRecToStringGrid(scratch, *stored, 1, recNo);
            outcome.kind = BillSaveOutcome::Conflict;
            outcome.conflict = {row,
                                recNo,
                                scratch.Row(1),
                                table_.Row(row),
                                CompareRowsOf(scratch.Row(1)),
                                CompareRowsOf(table_.Row(row))};
            return outcome;
        }
        ReSort();
        outcome.row = RowOfRecNo(recNo);
    } catch (...) {
        table_.Row(row) = before;
        throw;
    }
    currentRow_ = outcome.row;
    ModifiedRecord = false;
    return outcome;
}

int BillingWorkspace::ResolveConflict(const BillConflict& conflict, bool keepEdited) {
    const int row = RowOfRecNo(conflict.recNo);
    if (row == 0) {
        return 0;
    }
    ResetOnExit reset(*this);
    const QStringList before = table_.Row(row);
    try {
        if (keepEdited) {
            // The edited version has now seen the stored one, and no later.
            table_.Row(row) = conflict.editedRow;
            table_.SetCell(row, BillColumn::PullTime,
                           conflict.storedRow.value(BillColumn::PostTime));
            if (WriteWithStampTest(row)) {
                throw SavedMeanwhileError();
            }
        } else {
            table_.Row(row) = conflict.storedRow;
        }
        table_.ApplyStatusHeight(row);
    } catch (...) {
        table_.Row(row) = before;
        table_.ApplyStatusHeight(row);
        throw;
    }
    ReSort();
    currentRow_ = RowOfRecNo(conflict.recNo);
    ModifiedRecord = false;
    return currentRow_;
}

std::optional<TBillRec> BillingWorkspace::WriteUnlessForeign(int row) {
    const int recNo = RecNoOf(row);
    TBillRec record = PopulateBillRec(table_, row, context_.errors);
    const RecordWriteLock lock(files_.dataFile);
    const TBillRec stored = ReadBillRecord(files_.dataFile, recNo);
    if (IsForeignWrite(stored.PostTime, record.PullTime)) {
        return stored;
    }
    const DayCount now = StampAfter(context_.Now(), stored.PostTime);
    record.PostTime = now;
    record.PullTime = now;
    record.RecNo = recNo;
    WriteBillRecord(files_.dataFile, record);
    SetStamps(row, now);
    return std::nullopt;
}

bool BillingWorkspace::WriteWithStampTest(int row) {
    const auto stored = WriteUnlessForeign(row);
    if (stored) {
        // Memory never disagrees with the disk: the other user's version
        // comes back into the row.
        ConvertBillRecToStringGrid(table_, *stored, row, RecNoOf(row));
        table_.ApplyStatusHeight(row);
    }
    return stored.has_value();
}

bool BillingWorkspace::DeleteSelectedRow(int row) {
    if (!HasRow(row)) {
        return false;
    }
    ResetOnExit reset(*this);
    const QStringList before = table_.Row(row);
    table_.SetCell(row, BillColumn::Status, QStringLiteral("-2"));
    table_.SetHidden(row, true);
    try {
        return WriteWithStampTest(row);
    } catch (...) {
        table_.Row(row) = before;
        table_.ApplyStatusHeight(row);
        throw;
    }
}

BillDeleteOutcome BillingWorkspace::Delete(int row, bool formOpen) {
    BillDeleteOutcome outcome;
    if (!HasRow(row)) {
        return outcome;
    }
    outcome.conflict = DeleteSelectedRow(row);
    if (outcome.conflict) {
        outcome.next = row;
        currentRow_ = row;
        return outcome;
    }
    int target = row - 1;
    while (target > 1 && !table_.IsActive(target)) {
        --target;
    }
    target = qMax(target, 1);
    if (!table_.IsActive(target) && formOpen) {
        outcome.closeForm = true;
        return outcome;
    }
    outcome.next = target;
    currentRow_ = target;
    return outcome;
}

QList<int> BillingWorkspace::MarkedLiveRows() const {
    QList<int> rows;
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Cell(row, BillColumn::Mark) == QLatin1String("X") && table_.IsActive(row)) {
            rows.append(row);
        }
    }
    return rows;
}

int BillingWorkspace::MoveTarget(BillMove move, int from) const {
    int target = 0;
    switch (move) {
    case BillMove::First:
        for (int row = 1; row < table_.RowCount() && target == 0; ++row) {
            target = IsDeleted(table_, row) ? 0 : row;
        }
        break;
    case BillMove::Last:
        for (int row = table_.RowCount() - 1; row >= 1 && target == 0; --row) {
            target = IsDeleted(table_, row) ? 0 : row;
        }
        break;
    case BillMove::Next:
        for (int row = from + 1; row < table_.RowCount() && target == 0; ++row) {
            target = IsDeleted(table_, row) ? 0 : row;
        }
        break;
    case BillMove::Prior:
        for (int row = qMin(from, table_.RowCount()) - 1; row >= 1 && target == 0; --row) {
            target = IsDeleted(table_, row) ? 0 : row;
        }
        break;
    }
    return target == from ? 0 : target;
}

void BillingWorkspace::ToggleMark(int row) {
    if (!HasRow(row)) {
        return;
    }
    const bool marked = table_.Cell(row, BillColumn::Mark) == QLatin1String("X");
    table_.SetCell(row, BillColumn::Mark, marked ? QString() : QStringLiteral("X"));
    emit RowChanged(row);
}

} // namespace kiv5::billing

#include "books/core/Ledger.h"

#include "books/core/LedgerColumns.h"
#include "books/core/LedgerFile.h"
#include "books/core/LedgerPatch.h"
#include "books/core/LedgerRow.h"
#include "common/core/ConflictTest.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "common/core/RecordSlot.h"
#include "common/core/TableFile.h"

#include <QFileInfo>

namespace kiv5::books {
namespace {

// Runs f.template operator()<R>() with the ledger's record type.
template <class F> decltype(auto) WithRecordType(LedgerId id, F&& f) {
    if (id == LedgerId::Income) {
        return f.template operator()<IncRec>();
    }
    return f.template operator()<ExpRec>();
}

void Report(const PercentProgress& progress, qint64 done, qint64 total) {
    if (progress && total > 0) {
        progress(static_cast<int>(done * 100 / total));
    }
}

void SetStamps(RecordTable& table, int row, DayCount now) {
    const QString stamp = FormatDateTime(now, Midnight::Show);
    table.SetCell(row, LedgerColumn::PostTime, stamp);
    table.SetCell(row, LedgerColumn::PullTime, stamp);
}

} // namespace

Ledger::Ledger(const LedgerKind& kind)
    : kind_(kind), table_(MakeLedgerTable()), profile_(BookkeepingTableProfile()), sort_(profile_) {
}

RecordTable ReadLedgerTable(LedgerId id, const QString& path) {
    RecordTable table = MakeLedgerTable();
    WithRecordType(id, [&]<class R>() { ReadLedgerFile<R>(path, table); });
    return table;
}

void WriteLedgerTable(LedgerId id, const QString& target, RecordTable& table,
                      const ErrorSink& errors) {
    WithRecordType(id, [&]<class R>() { WriteLedgerFile<R>(target, table, errors); });
}

void Ledger::Adopt(RecordTable table, const QString& path) {
    table_ = std::move(table);
    path_ = path;
    sort_ = SortState(profile_);
    SortBy(LedgerColumn::Date, false);
    CurrentRow = table_.DataRowCount();
}

void Ledger::MoveTo(const QString& path) {
    path_ = path;
    SortBy(LedgerColumn::Date, false);
}

void Ledger::Forget() {
    table_.Clear();
    path_.clear();
    sort_ = SortState(profile_);
    CurrentRow = 0;
}

bool Ledger::SortBy(int column, bool headerClick, const PercentProgress& progress) {
    const PercentProgress step = progress ? PercentProgress(progress) : PercentProgress();
    if (headerClick) {
        return SortByHeaderClick(table_, profile_, sort_, column, step);
    }
    return SortColumnShell(table_, profile_, sort_, column, step);
}

void Ledger::ReSort() {
    if (sort_.SortedColumn != SortState::NoColumn) {
        SortBy(sort_.SortedColumn, false);
    }
}

LedgerEntry Ledger::EntryAt(int row) const {
    return EntryOfRow(table_, row);
}

QStringList Ledger::Parties() const {
    QStringList parties;
    parties.reserve(table_.DataRowCount());
    for (int row = 1; row < table_.RowCount(); ++row) {
        parties.append(table_.Cell(row, LedgerColumn::Party));
    }
    return parties;
}

std::optional<PartyFill> Ledger::EarlierPartyFill(const QString& party) const {
    return EarlierPartyRow(table_, CurrentRow, party);
}

int Ledger::Position(int row) const {
    return ParseInteger(table_.Cell(row, LedgerColumn::Position));
}

int Ledger::RowOfPosition(int position) const {
    const QString wanted = QString::number(position);
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Cell(row, LedgerColumn::Position) == wanted) {
            return row;
        }
    }
    return 0;
}

void Ledger::WritePackedFile(const QString& target, const ErrorSink& errors) const {
    WithRecordType(kind_.id, [&]<class R>() {
        RecordFileWriter writer(target, kLedgerRecordSize);
        qint32 position = 0;
        for (const RowAtPosition& at : RowsInFileOrder(table_, LedgerColumn::Position)) {
            if (table_.Status(at.row) == QLatin1String("-2")) {
                continue;
            }
            R record = PopulateLedgerRec<R>(table_, at.row, errors);
            record.RecNo = ++position;
            record.Status = 0;
            writer.WriteRecord(record);
        }
        writer.Commit();
    });
}

int Ledger::Add(const Clock& clock) {
    int known = 0;
    for (int row = 1; row < table_.RowCount(); ++row) {
        known = qMax(known, Position(row));
    }
    const int row = table_.AppendRow();
    MakeBlankLedgerRow(table_, row, -1, clock);
    const QStringList blank = table_.Row(row);
    table_.SetRowCount(row);
    WithRecordType(kind_.id, [&]<class R>() {
        RecordTable scratch = MakeLedgerTable();
        scratch.SetRowCount(2);
        scratch.SetRow(1, blank);
        scratch.SetCell(1, LedgerColumn::Position, QStringLiteral("0"));
        R record = PopulateLedgerRecForWrite<R>(scratch, 1);
        std::vector<R> others;
        const qint64 slot = AppendRecordAtEnd<R>(path_, [&](qint64 at) {
            if (at > known) {
                RecordFile file(path_, kLedgerRecordSize, RecordFile::Mode::Read);
                file.Seek(known);
                for (qint64 k = known; k < at; ++k) {
                    others.push_back(file.ReadRecord<R>());
                }
                file.Close();
            }
            record.RecNo = static_cast<qint32>(at + 1);
            return record;
        });
        for (std::size_t k = 0; k < others.size(); ++k) {
            const int added = table_.AppendRow();
            ConvertLedgerRecToStringGrid(table_, others[k], added, known + static_cast<int>(k) + 1);
        }
        const int added = table_.AppendRow();
        table_.SetRow(added, blank);
        table_.SetCell(added, LedgerColumn::Position, QString::number(slot + 1));
    });
    CurrentRow = table_.DataRowCount();
    return CurrentRow;
}

RecordSaveOutcome Ledger::Save(int row, const LedgerEntry& entry, const Clock& clock,
                               const ErrorSink& errors) {
    RecordSaveOutcome outcome;
    if (!HasRow(row)) {
        outcome.kind = RecordSaveOutcome::Refused;
        return outcome;
    }
    if (!entry.date) {
        outcome.kind = RecordSaveOutcome::Refused;
        outcome.code = 11060;
        return outcome;
    }
    const QStringList before = table_.Row(row);
    try {
        ApplyEntryToRow(table_, row, entry);
        const int position = Position(row);
        if (const auto stored = WriteUnlessForeign(row, clock, errors)) {
            outcome.kind = RecordSaveOutcome::Conflict;
            outcome.conflict = {row,
                                position,
                                stored->recNo,
                                stored->row,
                                table_.Row(row),
                                CompareRowsOf(stored->row, errors),
                                CompareRowsOf(table_.Row(row), errors)};
            return outcome;
        }
        ReSort();
        outcome.row = RowOfPosition(position);
    } catch (...) {
        table_.Row(row) = before;
        throw;
    }
    CurrentRow = outcome.row;
    return outcome;
}

int Ledger::Resolve(const LedgerConflict& conflict, bool keepEdited, const Clock& clock,
                    const ErrorSink& errors) {
    if (!HasRow(conflict.row)) {
        return 0;
    }
    const QStringList before = table_.Row(conflict.row);
    try {
        if (keepEdited) {
            // The edited version has now seen the stored one, and no later.
            table_.Row(conflict.row) = conflict.editedRow;
            table_.SetCell(conflict.row, LedgerColumn::PullTime,
                           conflict.storedRow.value(LedgerColumn::PostTime));
            if (WriteWithStampTest(conflict.row, clock, errors)) {
                throw SavedMeanwhileError();
            }
        } else {
            table_.Row(conflict.row) = conflict.storedRow;
        }
        table_.ApplyStatusHeight(conflict.row);
    } catch (...) {
        table_.Row(conflict.row) = before;
        throw;
    }
    ReSort();
    CurrentRow = RowOfPosition(conflict.position);
    return CurrentRow;
}

std::optional<Ledger::StoredRecord> Ledger::WriteUnlessForeign(int row, const Clock& clock,
                                                               const ErrorSink& errors) {
    const int position = Position(row);
    std::optional<StoredRecord> found;
    WithRecordType(kind_.id, [&]<class R>() {
        R record = PopulateLedgerRec<R>(table_, row, errors);
        const RecordWriteLock lock(path_);
        const R stored = ReadLedgerRecord<R>(path_, position);
        if (IsForeignWrite(stored.PostTime, record.PullTime)) {
            RecordTable scratch = MakeLedgerTable();
            scratch.SetRowCount(2);
            ConvertLedgerRecToStringGrid(scratch, stored, 1, position);
            found = StoredRecord{scratch.Row(1), stored.RecNo};
            return;
        }
        const DayCount now = StampAfter(clock.Now(), stored.PostTime);
        record.PostTime = now;
        record.PullTime = now;
        record.RecNo = position;
        WriteLedgerRecord(path_, record, position);
        SetStamps(table_, row, now);
    });
    return found;
}

bool Ledger::WriteWithStampTest(int row, const Clock& clock, const ErrorSink& errors) {
    return WriteUnlessForeign(row, clock, errors).has_value();
}

bool Ledger::DeleteRow(int row, const Clock& clock, const ErrorSink& errors) {
    if (!HasRow(row)) {
        return false;
    }
    const QStringList before = table_.Row(row);
    const bool hidden = table_.IsHidden(row);
    table_.SetCell(row, LedgerColumn::Status, QStringLiteral("-2"));
    table_.SetHidden(row, true);
    try {
        return WriteWithStampTest(row, clock, errors);
    } catch (...) {
        // A delete that fails leaves the row as the file still holds it.
        table_.Row(row) = before;
        table_.SetHidden(row, hidden);
        throw;
    }
}

RecordDeleteOutcome Ledger::Delete(int row, bool formOpen, const Clock& clock,
                                   const ErrorSink& errors) {
    RecordDeleteOutcome outcome;
    if (!HasRow(row)) {
        return outcome;
    }
    outcome.conflict = DeleteRow(row, clock, errors);
    int target = row - 1;
    while (target > 1 && !table_.IsActive(target)) {
        --target;
    }
    target = qMax(target, 1);
    if (kind_.deleteMove == DeleteMove::BackOrCloseForm) {
        if (!table_.IsActive(target)) {
            outcome.closeForm = formOpen;
            outcome.next = formOpen ? 0 : target;
        } else {
            outcome.next = target;
        }
    } else {
        if (!table_.IsActive(target)) {
            int forward = target + 1;
            while (forward < table_.RowCount() && !table_.IsActive(forward)) {
                ++forward;
            }
            target = forward < table_.RowCount() ? forward : 0;
        }
        outcome.next = target;
        outcome.closeForm = formOpen;
    }
    if (outcome.next > 0) {
        CurrentRow = outcome.next;
    }
    return outcome;
}

QList<int> Ledger::MarkedLiveRows() const {
    QList<int> rows;
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Cell(row, LedgerColumn::Mark) == QLatin1String("X") && table_.IsActive(row)) {
            rows.append(row);
        }
    }
    return rows;
}

int Ledger::First() const {
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Status(row) != QLatin1String("-2")) {
            return row;
        }
    }
    return 0;
}

int Ledger::Last() const {
    for (int row = table_.RowCount() - 1; row >= 1; --row) {
        if (table_.Status(row) != QLatin1String("-2")) {
            return row;
        }
    }
    return 0;
}

int Ledger::Next(int current) const {
    for (int row = current + 1; row < table_.RowCount(); ++row) {
        if (table_.Status(row) != QLatin1String("-2")) {
            return row;
        }
    }
    return 0;
}

int Ledger::Prior(int current) const {
    if (table_.DataRowCount() < 1) {
        return 0;
    }
    int row = qMax(1, current - 1);
    while (row > 1 && !table_.IsActive(row)) {
        --row;
    }
    while (row < table_.RowCount() && !table_.IsActive(row)) {
        ++row;
    }
    return row < table_.RowCount() ? row : 0;
}

void Ledger::PatchInFileOrder(const std::function<bool(int row)>& wanted, FieldPatch patch,
                              const std::function<void(int row)>& written,
                              const PercentProgress& progress) {
    // Writes in the order of the file pass through it once; in the table's
    // order they would jump about the whole file.
    const std::vector<RowAtPosition> rows = RowsInFileOrder(table_, LedgerColumn::Position);
    const RecordWriteLock lock(path_);
    LedgerPatcher patcher(path_);
    std::vector<int> patched;
    const auto collect = [&patched](int row) { patched.push_back(row); };
    const auto total = static_cast<qint64>(rows.size());
    qint64 done = 0;
    for (const RowAtPosition& at : rows) {
        if (wanted(at.row)) {
            if (patcher.Status(at.position) == -2) {
                MarkDeleted(at.row);
            } else if (patch.status) {
                patcher.QueueStatus(at.position, patch.value, at.row);
            } else {
                patcher.QueueMark(at.position, patch.value != 0, at.row);
            }
            if (patcher.QueueFull()) {
                patcher.Flush(collect);
            }
        }
        Report(progress, ++done, total);
    }
    patcher.Flush(collect);
    patcher.Close();
    for (const int row : patched) {
        written(row);
    }
}

void Ledger::SelectAll(bool selected, const PercentProgress& progress) {
    const QString mark = selected ? QStringLiteral("X") : QString();
    PatchInFileOrder([this](int row) { return table_.IsActive(row); },
                     {.status = false, .value = selected ? 1 : 0},
                     [&](int row) { table_.SetCell(row, LedgerColumn::Mark, mark); }, progress);
}

void Ledger::SetFilter(const FilterRec& criteria, const PercentProgress& progress) {
    criteria_ = CutFilterRec(criteria);
    const LedgerFilterTest test(criteria_);
    PatchInFileOrder([&](int row) { return table_.IsActive(row) && !test.Passes(table_, row); },
                     {.status = true, .value = -1},
                     [this](int row) {
                         table_.SetCell(row, LedgerColumn::Status, QStringLiteral("-1"));
                         table_.SetHidden(row, true);
                     },
                     progress);
}

void Ledger::CancelFilter(const PercentProgress& progress) {
    if (path_.isEmpty() || !QFileInfo::exists(path_) || !HasFilteredRows()) {
        return;
    }
    PatchInFileOrder([this](int row) { return table_.Status(row) == QLatin1String("-1"); },
                     {.status = true, .value = 0},
                     [this](int row) {
                         table_.SetCell(row, LedgerColumn::Status, QStringLiteral("0"));
                         table_.SetHidden(row, false);
                     },
                     progress);
}

void Ledger::MarkDeleted(int row) {
    table_.SetCell(row, LedgerColumn::Status, QStringLiteral("-2"));
    table_.SetHidden(row, true);
}

bool Ledger::HasFilteredRows() const {
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Status(row) == QLatin1String("-1")) {
            return true;
        }
    }
    return false;
}

QList<CompareRow> Ledger::CompareRowsOf(const QStringList& cells, const ErrorSink& errors) const {
    const qint64 units = MoneyToUnits(Str2Float_2(cells[LedgerColumn::Amount], errors));
    return {
        {QStringLiteral("Record No.:"), cells[LedgerColumn::Number]},
        {QStringLiteral("Date:"), cells[LedgerColumn::Date]},
        {QStringLiteral("Client No.:"), cells[LedgerColumn::ClientNo]},
        {QStringLiteral("Payor:"), cells[LedgerColumn::Party]},
        {QStringLiteral("Description:"), cells[LedgerColumn::Description]},
        {QStringLiteral("Category:"), cells[LedgerColumn::Category]},
        {QStringLiteral("Code:"), cells[LedgerColumn::Code]},
        {QStringLiteral("Amount:"), ShortestDecimal(UnitsToMoney(units))},
        {QStringLiteral("Account No.:"), cells[LedgerColumn::Account]},
    };
}

} // namespace kiv5::books

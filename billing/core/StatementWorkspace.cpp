#include "billing/core/StatementWorkspace.h"

#include "billing/core/BillingSettings.h"
#include "billing/core/RemoveLineBreaksWithPipe.h"
#include "billing/core/StatementBackupText.h"
#include "billing/core/StatementFile.h"
#include "billing/core/StatementImport.h"
#include "billing/core/WorksheetColumns.h"
#include "common/core/ConflictTest.h"
#include "common/core/FastFind.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"

#include <QFileInfo>
#include <cmath>

namespace kiv5::billing {
namespace {

const QString kLive = QStringLiteral("0");
const QString kDeleted = QStringLiteral("-2");

QString StampCell(DayCount stamp) {
    return FormatDateTime(stamp, Midnight::Omit);
}

QString NoBlanks(const QString& text) {
    return TrimLeadSpaces(TrimStr(text));
}

// Each row's column 7 becomes its place in the file as loaded; the stored
// RecNo may be stale or foreign.
void NumberByLoadPosition(RecordTable& table) {
    for (int row = 1; row < table.RowCount(); ++row) {
        table.SetCell(row, ISColumn::RecNo, QString::number(row - 1));
    }
}

RecordTable TableOf(const std::vector<ISRec>& lines) {
    RecordTable table = MakeStatementTable();
    table.SetRowCount(static_cast<int>(lines.size()) + 1);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        ConvertISRecToStringGrid(table, lines[k], static_cast<int>(k + 1));
    }
    return table;
}

} // namespace

StatementWorkspace::StatementWorkspace(BillingSettings& settings, const OfficeContext& context,
                                       QObject* parent)
    : QObject(parent), settings(settings), context_(context), table_(MakeStatementTable()),
      profile_(WorksheetTableProfile()), sort_(profile_) {}

double StatementWorkspace::HourlyRate() const {
    return UnitsToMoney(settings.HourlyRate);
}

QString StatementWorkspace::BackupTextPath() const {
    return StatementBackupTextPath(path_);
}

void StatementWorkspace::Open(const QString& path) {
    RecordTable table = MakeStatementTable();
    if (QFileInfo::exists(path)) {
        ReadStatementFile(path, table);
        NumberByLoadPosition(table);
        if (table.DataRowCount() == 0) {
            const int row = table.AppendRow();
            MakeBlankISRow(table, row, 0, HourlyRate(), context_.clock);
            AppendStatementRow(path, table, row, context_.errors);
        }
    } else {
        table.SetRowCount(2);
        MakeBlankISRow(table, 1, 0, HourlyRate(), context_.clock);
        WriteAllRecords<ISRec>(path, {PopulateISRec(table, 1, context_.errors)});
    }
    Adopt(path, std::move(table));
}

void StatementWorkspace::Adopt(const QString& path, RecordTable table) {
    path_ = path;
    table_ = std::move(table);
    sort_ = SortState(profile_);
    ModifiedPanel = false;
    SortBy(ISColumn::ServiceDate, false);
    CurrentRow = LastLiveRow();
    emit FileChanged();
    emit TableReset();
}

void StatementWorkspace::Close() {
    path_.clear();
    table_.Clear();
    sort_ = SortState(profile_);
    CurrentRow = 0;
    ModifiedPanel = false;
    emit FileChanged();
    emit TableReset();
}

int StatementWorkspace::LastLiveRow() const {
    int row = table_.DataRowCount();
    while (row > 1 && table_.Status(row) == kDeleted) {
        --row;
    }
    return row;
}

int StatementWorkspace::Slot(int row) const {
    return ParseInteger(table_.Cell(row, ISColumn::RecNo));
}

int StatementWorkspace::RowOfSlot(int slot) const {
    const QString wanted = QString::number(slot);
    for (int row = 1; row < table_.RowCount(); ++row) {
        if (table_.Cell(row, ISColumn::RecNo) == wanted) {
            return row;
        }
    }
    return 0;
}

void StatementWorkspace::SetStamps(int row, DayCount now) {
    table_.SetCell(row, ISColumn::PostTime, StampCell(now));
    table_.SetCell(row, ISColumn::PullTime, StampCell(now));
}

StatementEntry StatementWorkspace::EntryOf(int row) const {
    StatementEntry entry;
    if (!HasRow(row)) {
        return entry;
    }
    entry.date =
        TryParseDateTime(table_.Cell(row, ISColumn::ServiceDate)).value_or(context_.Today());
    entry.date = std::floor(entry.date);
    entry.description = table_.Cell(row, ISColumn::ServiceDescription);
    entry.description.replace(QStringLiteral(" | "), QStringLiteral("\n"));
    entry.time = RemoveCommasAndSigns(table_.Cell(row, ISColumn::TimeSpent));
    entry.rate = RemoveCommasAndSigns(table_.Cell(row, ISColumn::HourlyRate));
    return entry;
}

StatementEntry StatementWorkspace::NewLineEntry(int row) const {
    StatementEntry entry;
    entry.date = context_.Today();
    if (row > 3 && HasRow(row - 1)) {
        entry.date = std::floor(
            TryParseDateTime(table_.Cell(row - 1, ISColumn::ServiceDate)).value_or(entry.date));
    }
    entry.rate = ShortestDecimal(HourlyRate());
    return entry;
}

QList<CompareRow> StatementWorkspace::CompareRowsOf(const QStringList& cells) const {
    return {{QStringLiteral("Date:"), cells[ISColumn::ServiceDate]},
            {QStringLiteral("Description:"), cells[ISColumn::ServiceDescription], true},
            {QStringLiteral("Time Spent:"), NoBlanks(cells[ISColumn::TimeSpent])},
            {QStringLiteral("Rate:"), cells[ISColumn::HourlyRate]}};
}

QStringList StatementWorkspace::StoredRow(const ISRec& stored, int slot) const {
    RecordTable scratch = MakeStatementTable();
    scratch.SetRowCount(2);
    ConvertISRecToStringGrid(scratch, stored, 1);
    scratch.SetCell(1, ISColumn::RecNo, QString::number(slot));
    return scratch.Row(1);
}

StatementSaveOutcome StatementWorkspace::SaveToTable(int row, const StatementEntry& entry) {
    StatementSaveOutcome outcome;
    if (!HasRow(row)) {
        return outcome;
    }
    const QStringList before = table_.Row(row);
    try {
        // The stamps stay those of the version this copy read until the line
        // is written: they are what the stamp test compares.
        table_.SetCell(row, ISColumn::ServiceDate, FormatShortDate(std::floor(entry.date)));
        table_.SetCell(row, ISColumn::ServiceDescription,
                       RemoveLineBreaksWithPipe(entry.description));
        table_.SetCell(row, ISColumn::TimeSpent,
                       NoBlanks(FormatNumber("%7.2n", Str2Float_2(entry.time, context_.errors))));
        table_.SetCell(
            row, ISColumn::HourlyRate,
            QStringLiteral("$") +
                NoBlanks(FormatNumber("%12.2n", Str2Float_2(entry.rate, context_.errors))));
        table_.SetCell(row, ISColumn::Status, kLive);
        table_.SetHidden(row, false);
        const int slot = Slot(row);
        ISRec edited = PopulateISRec(table_, row, context_.errors);
        const ISRec stored = ReadStatementLine(path_, slot);
        if (IsForeignWrite(stored.PostTime, edited.PullTime)) {
            outcome.kind = StatementSaveOutcome::Conflict;
            const QStringList storedRow = StoredRow(stored, slot);
            outcome.conflict = {row,
                                slot,
                                storedRow,
                                table_.Row(row),
                                CompareRowsOf(storedRow),
                                CompareRowsOf(table_.Row(row))};
            outcome.row = row;
            ModifiedPanel = false;
            return outcome;
        }
        const DayCount now = context_.Now();
        edited.PostTime = now;
        edited.PullTime = now;
        edited.RecNo = slot;
        WriteStatementLine(path_, edited);
        SetStamps(row, now);
        ModifiedPanel = false;
        ReSortKeeping(sort_.SortedColumn);
        outcome.row = RowOfSlot(slot);
    } catch (...) {
        table_.Row(row) = before;
        table_.ApplyStatusHeight(row);
        throw;
    }
    CurrentRow = outcome.row;
    emit TableReset();
    return outcome;
}

int StatementWorkspace::ResolveConflict(const StatementConflict& conflict, bool keepEdited) {
    if (!HasRow(conflict.row)) {
        return 0;
    }
    const QStringList before = table_.Row(conflict.row);
    try {
        if (keepEdited) {
            table_.Row(conflict.row) = conflict.editedRow;
            const DayCount now = context_.Now();
            SetStamps(conflict.row, now);
            ISRec record = PopulateISRec(table_, conflict.row, context_.errors);
            record.RecNo = conflict.slot;
            WriteStatementLine(path_, record);
        } else {
            table_.Row(conflict.row) = conflict.storedRow;
        }
        table_.ApplyStatusHeight(conflict.row);
    } catch (...) {
        table_.Row(conflict.row) = before;
        throw;
    }
    ReSortKeeping(sort_.SortedColumn);
    CurrentRow = RowOfSlot(conflict.slot);
    if (!table_.IsActive(CurrentRow)) {
        CurrentRow = Prior(CurrentRow) > 0 ? Prior(CurrentRow) : First();
    }
    emit TableReset();
    return CurrentRow;
}

int StatementWorkspace::Add() {
    const int row = table_.AppendRow();
    try {
        MakeBlankISRow(table_, row, row - 1, HourlyRate(), context_.clock);
        AppendStatementRow(path_, table_, row, context_.errors);
    } catch (...) {
        table_.SetRowCount(row);
        throw;
    }
    CurrentRow = row;
    ModifiedPanel = false;
    emit TableReset();
    return row;
}

StatementDeleteOutcome StatementWorkspace::Delete(int row) {
    StatementDeleteOutcome outcome;
    if (!HasRow(row)) {
        return outcome;
    }
    bool otherLive = false;
    for (int other = 1; other < table_.RowCount() && !otherLive; ++other) {
        otherLive = other != row && table_.IsActive(other);
    }
    if (!otherLive) {
        outcome.code = 11130;
        outcome.row = row;
        return outcome;
    }
    const QStringList before = table_.Row(row);
    try {
        table_.SetCell(row, ISColumn::Status, kDeleted);
        table_.SetHidden(row, true);
        const int slot = Slot(row);
        ISRec record = PopulateISRec(table_, row, context_.errors);
        const ISRec stored = ReadStatementLine(path_, slot);
        if (IsForeignWrite(stored.PostTime, record.PullTime)) {
            outcome.code = 9999;
            table_.Row(row) = StoredRow(stored, slot);
            table_.ApplyStatusHeight(row);
        } else {
            const DayCount now = context_.Now();
            record.PostTime = now;
            record.PullTime = now;
            record.RecNo = slot;
            WriteStatementLine(path_, record);
            SetStamps(row, now);
        }
    } catch (...) {
        table_.Row(row) = before;
        table_.ApplyStatusHeight(row);
        throw;
    }
    if (outcome.code == 9999 && table_.IsActive(row)) {
        outcome.row = row;
    } else {
        outcome.row = Prior(row) > 0 ? Prior(row) : First();
    }
    CurrentRow = outcome.row;
    emit TableReset();
    return outcome;
}

int StatementWorkspace::First() const {
    return Next(0);
}

int StatementWorkspace::Last() const {
    return Prior(table_.RowCount());
}

int StatementWorkspace::Next(int current) const {
    for (int row = qMax(current + 1, 1); row < table_.RowCount(); ++row) {
        if (table_.IsActive(row)) {
            return row;
        }
    }
    return 0;
}

int StatementWorkspace::Prior(int current) const {
    for (int row = qMin(current - 1, table_.RowCount() - 1); row >= 1; --row) {
        if (table_.IsActive(row)) {
            return row;
        }
    }
    return 0;
}

std::optional<int> StatementWorkspace::FindFrom(const QString& text, int from) const {
    return NextMatch(table_, profile_, text, from);
}

void StatementWorkspace::SortBy(int column, bool headerClick,
                                const std::function<void(int)>& progress) {
    const PercentProgress step = progress ? PercentProgress(progress) : PercentProgress();
    const int slot = HasRow(CurrentRow) ? Slot(CurrentRow) : -1;
    if (headerClick) {
        SortByHeaderClick(table_, profile_, sort_, column, step);
    } else {
        SortColumnShell(table_, profile_, sort_, column, step);
    }
    if (slot >= 0) {
        CurrentRow = RowOfSlot(slot);
    }
}

void StatementWorkspace::ReSortKeeping(int column) {
    if (column != SortState::NoColumn) {
        SortBy(column, false);
    }
}

StatementImportOutcome StatementWorkspace::ImportCalendar(const QString& calendarPath,
                                                          DayCount cutOff,
                                                          const QString& clientNo) {
    StatementImportOutcome outcome;
    if (!IsOpen()) {
        return outcome;
    }
    if (!QFileInfo::exists(calendarPath)) {
        outcome.code = 13010;
        return outcome;
    }
    const CalendarImportRequest request{path_, calendarPath, std::floor(cutOff), clientNo,
                                        settings.HourlyRate};
    const std::vector<ISRec> lines = ImportCalendarEntries(request, context_.clock);
    ImportCutOff = request.cutOff;
    for (const ISRec& line : lines) {
        ConvertISRecToStringGrid(table_, line, table_.AppendRow());
    }
    outcome.added = static_cast<int>(lines.size());
    SortBy(ISColumn::ServiceDate, false);
    emit TableReset();
    return outcome;
}

void StatementWorkspace::WriteBackupText() const {
    if (IsOpen()) {
        WriteStatementBackupText(BackupTextPath(), table_);
    }
}

int StatementWorkspace::Restore(const QString& textPath) {
    const std::vector<ISRec> lines =
        ReadStatementBackupText(textPath, context_.clock, context_.errors);
    WriteAllRecords<ISRec>(path_, lines);
    Adopt(path_, TableOf(lines));
    return CurrentRow;
}

} // namespace kiv5::billing

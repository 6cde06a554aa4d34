#pragma once

// The itemized statement worksheet as it holds one open statement file: the
// file's path fixed at open, the table of its lines, the worksheet's own sort
// memory, the current row, the panel's modified flag and the cut-off of the
// last calendar import. Every command does its work and tells what came of
// it; the questions (save changes, delete warning, the comparison) are the
// window's. Every write goes to the open file only, each line to its own
// slot (column 7, which holds the line's place in the file as loaded).
//
// Commands throw IoError or ConversionError when a file or a cell fails;
// the table is then as it was before the call.

#include "billing/core/ISRec.h"
#include "common/core/CompareRow.h"
#include "common/core/OfficeContext.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace kiv5 {
struct BillingSettings;
}

namespace kiv5::billing {

// What the entry panel holds.
struct StatementEntry {
    DayCount date = 0;   // whole date
    QString description; // as typed, line breaks included
    QString time;
    QString rate;

    bool operator==(const StatementEntry&) const = default;
};

// A save that found another user's newer version of the line; the edited
// version stays in its row until it is resolved.
struct StatementConflict {
    int row = 0;
    int slot = 0;
    QStringList storedRow;
    QStringList editedRow;
    QList<CompareRow> stored;
    QList<CompareRow> edited;
};

struct StatementSaveOutcome {
    enum Kind { Saved, Conflict };
    Kind kind = Saved;
    // Saved: the line's row after the re-sort.
    int row = 0;
    StatementConflict conflict;
};

struct StatementDeleteOutcome {
    // 0 deleted; 11130 the last live line (nothing written); 9999 another
    // user wrote the line meanwhile (nothing written, the stored line back
    // in its row).
    int code = 0;
    // The row now current.
    int row = 0;
};

struct StatementImportOutcome {
    // 0 done; 13010 no calendar file (nothing added).
    int code = 0;
    int added = 0;
};

class StatementWorkspace : public QObject {
    Q_OBJECT

public:
    // The settings give the default hourly rate and keep the column widths;
    // both must outlive this.
    StatementWorkspace(BillingSettings& settings, const OfficeContext& context,
                       QObject* parent = nullptr);

    BillingSettings& settings;
    // The entry panel was changed since it last showed a row.
    bool ModifiedPanel = false;
    // The cut-off day of the last calendar import; 0 before the first.
    DayCount ImportCutOff = 0;
    int CurrentRow = 0;

    bool IsOpen() const { return !path_.isEmpty(); }
    // The open statement file, as chosen.
    const QString& Path() const { return path_; }
    RecordTable& Table() { return table_; }
    const RecordTable& Table() const { return table_; }
    const TableProfile& Profile() const { return profile_; }
    SortState& Sort() { return sort_; }
    bool HasRow(int row) const { return row >= 1 && row < table_.RowCount(); }
    // Where the backup text of the open statement goes.
    QString BackupTextPath() const;

    // Reads the statement file, or creates it with one blank line when it
    // does not exist (or holds no line). Sorted by date; the last live row
    // is current.
    void Open(const QString& path);
    void Close();

    // The panel's view of a row.
    StatementEntry EntryOf(int row) const;
    // The panel of a line just added at row.
    StatementEntry NewLineEntry(int row) const;

    // Stores the panel into the row and writes the line to its slot unless
    // another user wrote it after this copy was read.
    StatementSaveOutcome SaveToTable(int row, const StatementEntry& entry);
    // After the comparison: the edited line written with fresh stamps, or
    // the stored line back in the row. Returns the row afterwards.
    int ResolveConflict(const StatementConflict& conflict, bool keepEdited);
    // A blank line stored at once at the file's real end; returns its row.
    int Add();
    StatementDeleteOutcome Delete(int row);

    // Navigation targets among the live rows; 0 when there is none.
    int First() const;
    int Last() const;
    int Next(int current) const;
    int Prior(int current) const;

    // The next live row from `from` on whose date, description, time or rate
    // contains the text as typed.
    std::optional<int> FindFrom(const QString& text, int from) const;
    // A header click sorts by the column and then flips its flag.
    void SortBy(int column, bool headerClick, const std::function<void(int)>& progress = {});

    // The calendar's entries of the client after the cut-off, appended.
    StatementImportOutcome ImportCalendar(const QString& calendarPath, DayCount cutOff,
                                          const QString& clientNo);

    void WriteBackupText() const;
    // Replaces the statement by the lines of a backup text (read whole
    // first, written through a temporary file). Returns the current row.
    int Restore(const QString& textPath);

signals:
    void TableReset();
    void RowChanged(int row);
    void FileChanged();

private:
    void Adopt(const QString& path, RecordTable table);
    void ReSortKeeping(int column);
    int RowOfSlot(int slot) const;
    int Slot(int row) const;
    int LastLiveRow() const;
    QList<CompareRow> CompareRowsOf(const QStringList& cells) const;
    QStringList StoredRow(const ISRec& stored, int slot) const;
    void SetStamps(int row, DayCount now);
    double HourlyRate() const;

    const OfficeContext& context_;
    QString path_;
    RecordTable table_;
    TableProfile profile_;
    SortState sort_;
};

} // namespace kiv5::billing

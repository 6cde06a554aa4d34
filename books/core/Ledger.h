#pragma once

// One open ledger, income or expense: its table, sort memory, filter
// criteria and file, and the record commands on it. The two ledgers are two
// objects of this one type; what differs between them is their LedgerKind.
//
// Commands throw IoError or ConversionError when a file or a cell fails;
// where a command says so the table is then as it was.

#include "books/core/LedgerEntry.h"
#include "books/core/LedgerFilter.h"
#include "books/core/LedgerKind.h"
#include "common/core/Clock.h"
#include "common/core/CompareRow.h"
#include "common/core/ErrorSink.h"
#include "common/core/PercentProgress.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

#include <QList>
#include <functional>
#include <optional>

namespace kiv5::books {

class LedgerPatcher;

// A save that found another user's newer version; nothing was written.
struct LedgerConflict {
    int row = 0;
    int position = 0;
    int storedRecNo = 0;
    QStringList storedRow;
    QStringList editedRow;
    QList<CompareRow> stored;
    QList<CompareRow> edited;
};

struct RecordSaveOutcome {
    enum Kind { Saved, Conflict, Refused };
    Kind kind = Saved;
    // Saved: the row of the record after the re-sort.
    int row = 0;
    // Refused: the error code (11060 for a blank date).
    int code = 0;
    LedgerConflict conflict;
};

struct RecordDeleteOutcome {
    // Another user wrote the record meanwhile: code 9999, nothing written.
    bool conflict = false;
    // The row to make current; 0 for none.
    int next = 0;
    bool closeForm = false;
};

// Reads a ledger file into a new table (rows in file order).
RecordTable ReadLedgerTable(LedgerId id, const QString& path);
// Writes the whole file (every row, in position order) to `target`.
void WriteLedgerTable(LedgerId id, const QString& target, RecordTable& table,
                      const ErrorSink& errors);

class Ledger {
public:
    explicit Ledger(const LedgerKind& kind);
    Ledger(const Ledger&) = delete;
    Ledger& operator=(const Ledger&) = delete;

    const LedgerKind& Kind() const { return kind_; }
    RecordTable& Table() { return table_; }
    const RecordTable& Table() const { return table_; }
    const TableProfile& Profile() const { return profile_; }
    SortState& Sort() { return sort_; }
    const SortState& Sort() const { return sort_; }
    const FilterRec& Criteria() const { return criteria_; }
    // The ledger file, fixed when the set was opened.
    const QString& Path() const { return path_; }
    bool HasRow(int row) const { return row >= 1 && row < table_.RowCount(); }
    int CurrentRow = 0;
    // Whether the entry form's Prior and Next lead anywhere from the current row.
    bool HasRowBefore() const { return CurrentRow > 1; }
    bool HasRowAfter() const { return CurrentRow < table_.DataRowCount(); }

    // The record of a row as the entry form shows it, and its place in the file.
    LedgerEntry EntryAt(int row) const;
    int PositionOf(int row) const { return Position(row); }
    // The payor or payee of every record row, hidden ones included, in table
    // order: the entry form's party list.
    QStringList Parties() const;
    // What the nearest earlier row of that party fills in from the current row.
    std::optional<PartyFill> EarlierPartyFill(const QString& party) const;

    // Takes a table read from path: direction flags set again, sorted by
    // date, the last row current.
    void Adopt(RecordTable table, const QString& path);
    void Forget();
    // The set was saved under a new name: the file moves, the table is
    // sorted by date again (flags kept).
    void MoveTo(const QString& path);

    // Internal re-sorts keep the flags; a header click flips the column's
    // flag after sorting. False when the table was too small to sort.
    bool SortBy(int column, bool headerClick, const PercentProgress& progress = {});
    // The row whose column 12 holds position; 0 when none.
    int RowOfPosition(int position) const;

    // Writes the rows not deleted, in position order, renumbered from 1;
    // a record hidden by a filter is stored live again.
    void WritePackedFile(const QString& target, const ErrorSink& errors) const;

    // Record commands.
    // A blank record at the file's real end (other users' records appended
    // meanwhile are read in first); returns its row, made current.
    int Add(const Clock& clock);
    RecordSaveOutcome Save(int row, const LedgerEntry& entry, const Clock& clock,
                           const ErrorSink& errors);
    // Keeps the edited version (written with fresh stamps) or the stored one
    // (nothing written); returns the row afterwards.
    int Resolve(const LedgerConflict& conflict, bool keepEdited, const Clock& clock,
                const ErrorSink& errors);
    // Marks the row deleted and writes it unless another user wrote the
    // record meanwhile; then moves by the ledger's rule.
    RecordDeleteOutcome Delete(int row, bool formOpen, const Clock& clock, const ErrorSink& errors);
    // Deletes one row for Delete selected; true on a conflict.
    bool DeleteRow(int row, const Clock& clock, const ErrorSink& errors);
    // Rows marked "X" and live, in table order.
    QList<int> MarkedLiveRows() const;

    // Navigation targets; 0 when there is nowhere to go.
    int First() const;
    int Last() const;
    int Next(int current) const;
    int Prior(int current) const;

    void SelectAll(bool selected, const PercentProgress& progress = {});
    // Stores the criteria (cut to their maxima); a date criterion that does
    // not read throws ConversionError before any record is touched.
    void SetFilter(const FilterRec& criteria, const PercentProgress& progress = {});
    // Nothing when the file does not exist.
    void CancelFilter(const PercentProgress& progress = {});
    // Rows with status -1.
    bool HasFilteredRows() const;

    // The comparison rows of a row's record.
    QList<CompareRow> CompareRowsOf(const QStringList& cells, const ErrorSink& errors) const;

private:
    // One field written to every record wanted: the mark (value 0 or 1) or
    // the status.
    struct FieldPatch {
        bool status = false;
        qint32 value = 0;
    };
    // Writes the field of each row wanted, in the order of the records in
    // the file; once every record holds it, calls written(row) for each. A
    // record another user deleted meanwhile is not written: its row stays
    // deleted. When a write fails the file gets its old fields back and the
    // other rows stay as they were.
    void PatchInFileOrder(const std::function<bool(int row)>& wanted, FieldPatch patch,
                          const std::function<void(int row)>& written,
                          const PercentProgress& progress);
    // The row of a record another user deleted: stays deleted and hidden.
    void MarkDeleted(int row);
    struct StoredRecord {
        QStringList row;
        int recNo = 0;
    };
    // Writes the row's record with fresh stamps unless another user wrote it
    // after this copy read it; then nothing is written and the stored record
    // comes back as a row. The record's read, test and write hold the lock.
    std::optional<StoredRecord> WriteUnlessForeign(int row, const Clock& clock,
                                                   const ErrorSink& errors);
    // True on a conflict.
    bool WriteWithStampTest(int row, const Clock& clock, const ErrorSink& errors);
    void ReSort();
    int Position(int row) const;

    const LedgerKind& kind_;
    RecordTable table_;
    TableProfile profile_;
    SortState sort_;
    FilterRec criteria_;
    QString path_;
};

} // namespace kiv5::books

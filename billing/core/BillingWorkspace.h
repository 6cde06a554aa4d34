#pragma once

// The billing program as it holds an open billing file: its settings, the
// bill table, the paths fixed at open, the link to the client and
// bookkeeping files, the filter and the sort memory. Every command is a
// method that does its work and tells what came of it; questions to the user
// (the network warning, the overwrite question, the save-changes question,
// the comparison, the delete confirmation) are the window's, asked before or
// after the call.
//
// A command that throws IoError or ConversionError leaves the open file, the
// table and every file as they were. Views follow the signals; TableReset is
// also sent when a command fails half-way through a table change.

#include "billing/core/BillEntry.h"
#include "billing/core/BillFilter.h"
#include "billing/core/BillingBackup.h"
#include "billing/core/BillingSettings.h"
#include "books/core/ClientList.h"
#include "common/core/CompareRow.h"
#include "common/core/OfficeContext.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kiv5::billing {

// Share of a step done, 0-100.
using PercentProgress = std::function<void(int percent)>;

// Where an open billing file's files are, fixed when it was opened.
struct BillingFiles {
    QString folder;   // the billing files folder, with a trailing separator
    QString linkFile; // base name + ".qy5" in that folder
    QString dataFile; // base name + ".bil" in that folder
};

BillingFiles BillingFilesFor(const QString& filesDirectory, const QString& fileName);

// How a whole-file save came about: only Save As warns about networks.
enum class BillingSaveMode { NewFile, SaveAs, Restore };
bool WarnsAboutNetwork(BillingSaveMode mode);

// A save that found another user's newer version; nothing was written.
struct BillConflict {
    int row = 0;
    int recNo = 0;
    // Both versions as table rows (the stored one converted from the file).
    QStringList storedRow;
    QStringList editedRow;
    // The comparison lines of each side ("Client No.:", "Full Name:", ...).
    QList<CompareRow> stored;
    QList<CompareRow> edited;
};

struct BillSaveOutcome {
    enum Kind { Saved, Conflict, Refused };
    Kind kind = Saved;
    // Saved: the row of the bill after the re-sort.
    int row = 0;
    // Refused: the error code (11060 no date, 21202 an amount, 21182 the
    // rate) or 0 with a message (a statement path too long).
    int code = 0;
    QString message;
    // Conflict: resolve with the user's choice.
    BillConflict conflict;
};

struct BillDeleteOutcome {
    // Another user wrote the bill meanwhile (report 9999): nothing was
    // written and the row holds the stored version again.
    bool conflict = false;
    // The row to make current; 0 for none.
    int next = 0;
    // The entry form is to close (no live row above).
    bool closeForm = false;
};

struct BillAddOutcome {
    // 0 when added; 11150 when no client file is linked (nothing written).
    int code = 0;
    int row = 0;
};

// What the automatic backups of Close and Exit came to. Close and Exit
// complete whatever happened; the window shows each failure.
struct AutomaticBackupOutcome {
    bool made = false;            // automatic backup is on
    bool calendarSkipped = false; // no calendar file yet
    BillingBackupFiles billing;   // empty when no billing file was open
    QString calendar;
    // One message per backup that failed.
    QStringList failures;
};

// The entry form's moves.
enum class BillMove { First, Prior, Next, Last };

class BillingWorkspace : public QObject {
    Q_OBJECT

public:
    // The context gives the clock, the error sink and the progress tracker;
    // it must outlive this.
    BillingWorkspace(int screenWidth, const OfficeContext& context, QObject* parent = nullptr);
    ~BillingWorkspace() override;

    // The primary screen's width, for the column widths' defaults.
    const int screenWidth;
    // Read at start-up (ReadSettings), written at exit (WriteSettings).
    BillingSettings settings;
    // The stored billing files folder when it could not be reached at
    // start-up and the usual one stands in for it (written back at exit).
    QString unreachedFilesDirectory;
    // The entry form's bill has unsaved edits.
    bool ModifiedRecord = false;

    // The open file.
    bool IsOpen() const { return !fileName_.isEmpty(); }
    // The link file name as chosen (the caption shows its file name part).
    const QString& FileName() const { return fileName_; }
    const BillingFiles& Files() const { return files_; }
    // "Quenby5: " and the file name part of the open file.
    QString Caption() const;

    // The bill table: 42 columns, row 0 the heading row.
    RecordTable& Table() { return table_; }
    const RecordTable& Table() const { return table_; }
    const TableProfile& Profile() const { return profile_; }
    const SortState& Sort() const { return sort_; }
    // The table view sorts on a header click through the shared view.
    SortState& Sort() { return sort_; }
    bool HasRow(int row) const { return row >= 1 && row < table_.RowCount(); }
    int CurrentRow() const { return currentRow_; }
    void SetCurrentRow(int row);
    // The heading of a column: the caption, in capitals with " v" or " ^"
    // for the column sorted last.
    QString HeaderCaption(int column) const;

    // The filter.
    bool FilterActive() const { return filterActive_; }
    const BillFilterRec& FilterCriteria() const { return criteria_; }

    // The settings as they are written at exit.
    BillingSettings SettingsToStore() const;
    // The settings store at start-up (nothing read when it is missing) and
    // at exit (15010 reported when it cannot be written).
    bool ReadSettings(SettingsStore& store);
    bool WriteSettings(SettingsStore& store) const;
    // The settings' billing files folder, or the usual one for this run when
    // it cannot be reached; returns the warning to show then, else empty.
    QString UseReachableFilesDirectory();
    // Creates the billing files folder when it is the usual one.
    bool EnsureFilesDirectory() const;
    void SetAutomaticBackup(bool on);
    // The hourly rate as the rate dialog shows it ("%14.2n", no leading
    // blanks).
    QString HourlyRateText() const;
    // 0, or 21202 when the text does not read (the rate is then kept).
    int SetHourlyRate(const QString& text);
    // Shorthand text k (1 ... 12), and all twelve for the dialog.
    QString ShorthandText(int key) const;
    QStringList ShorthandTexts() const;
    void SetShorthandTexts(const QStringList& texts);
    // A folder chosen in Set Default Directories; applies from the next
    // open. Kinds as the folder dialog numbers them: 0 billing files,
    // 1 bookkeeping, 2 client, 3 itemized statements.
    void SetDefaultDirectory(int kind, const QString& folder);

    // Whole-file commands.
    // The data file New or Save As would write, for the overwrite question.
    QString DataFileFor(const QString& name) const;
    bool DataFileExists(const QString& name) const;
    // Reads the data file of that name into a fresh table and only then
    // replaces the open file; sorted by name, the last row current; the
    // name goes into the history.
    void Open(const QString& chosen, const PercentProgress& progress = {});
    // The program's argument, opened as Open opens a file: a bare name
    // stands for the link file in the billing files folder, so backups and
    // the history name that folder too.
    void OpenArgument(const QString& argument, const PercentProgress& progress = {});
    // History entry `index`: moved to the front, then opened as Open does.
    // Returns the name opened (empty when there is no such entry).
    QString Reopen(int index, const PercentProgress& progress = {});
    // A new empty billing file under the name the window asked for (after
    // its overwrite question); the open file is replaced only after the
    // write succeeded.
    void New(const QString& name, const PercentProgress& progress = {});
    // The open bills under a new name (after the window's network warning
    // and overwrite question); the name becomes current only after the
    // write succeeded.
    void SaveAs(const QString& name, const PercentProgress& progress = {});
    // The automatic backups and the counter step, then no file is open.
    AutomaticBackupOutcome Close(const StepProgress& progress = {});
    // The automatic backups and the counter step at the end of the program;
    // nothing is cleared.
    AutomaticBackupOutcome ExitBackups(const StepProgress& progress = {});

    // Backups, restores and export.
    // Manual backups; each advances the counter afterwards.
    BillingBackupFiles MakeBillingBackup(const StepProgress& progress = {});
    QString MakeCalendarBackup(const StepProgress& progress = {});
    // Reads the whole backup, writes the billing files anew through
    // temporary files and makes them the open file.
    void RestoreBillingBackup(const QString& chosen, const StepProgress& progress = {});
    // Rebuilds the calendar file of the billing files folder.
    void RestoreCalendarBackup(const QString& chosen, const StepProgress& progress = {});
    // The calendar file of the billing files folder.
    QString CalendarFile() const;
    // The export's suggested file: the open file's name with ".txt".
    QString ExportFileName() const;
    void Export(const QString& path, bool onlySelected, const StepProgress& progress = {}) const;

    // The client and bookkeeping links.
    // A chosen client file: its name becomes PL5FileName, its folder
    // PL5Directory when it lies elsewhere; the link file is written anew.
    void SetPL5File(const QString& chosen);
    // A chosen bookkeeping set: 0 when linked (link file written), 12010 when
    // its income file, 12020 when its expense file is missing in its folder
    // (nothing changed). IoError naming a ledger file of broken length.
    int SetSU5File(const QString& chosen);
    QString ClientFile() const;
    bool HasClientFile() const;
    // The client list items, read once and kept while the client file is
    // unchanged; none when no client file is linked (report 11150). IoError
    // when the client file is damaged.
    std::optional<QStringList> ClientListItems(const PercentProgress& progress = {});
    // The item whose client number equals clientNo (ASCII case ignored; the
    // last one when several do), from the list last returned; -1 when none.
    int ClientItemOf(const QString& clientNo) const;

    // Bill commands.
    // The entry form's view of a row.
    BillEntry EntryOf(int row) const;
    // A blank bill written at once at the data file's real end (bills other
    // users appended meanwhile are read in first); its row is current.
    BillAddOutcome Add();
    BillSaveOutcome SaveBill(int row, const BillEntry& entry);
    // After the comparison: the edited version written with fresh stamps, or
    // the stored one put back into the row (nothing written). Returns the
    // bill's row after the re-sort.
    int ResolveConflict(const BillConflict& conflict, bool keepEdited);
    // Delete current: the deleted-record save, then the move.
    BillDeleteOutcome Delete(int row, bool formOpen);
    // One bill of Delete selected; true on a conflict (report 9999).
    bool DeleteSelectedRow(int row);
    // Rows marked "X" and live, in table order.
    QList<int> MarkedLiveRows() const;
    // Where a move of the entry form goes from `from`; 0 for nowhere.
    int MoveTarget(BillMove move, int from) const;
    // A mouse press in column 0: the mark in the table only.
    void ToggleMark(int row);

    // Views.
    void SortByHeader(int column, const PercentProgress& progress = {});
    // Largest balance forward first; the column's flag is left cleared.
    void SortByBalanceDue(const PercentProgress& progress = {});
    // By full name in that column's direction, flag kept.
    void SortByName(const PercentProgress& progress = {});
    void SelectAll(bool selected, const PercentProgress& progress = {});
    // Reads every criterion first: ConversionError with one message when one
    // does not read, and nothing changed. Then hides and stores status -1
    // for each live bill that fails.
    void SetFilter(const BillFilterRec& criteria, const PercentProgress& progress = {});
    void CancelFilter(const PercentProgress& progress = {});
    // Fast find: the first row from fromRow on whose searched columns hold
    // the text (letter case ignored); every status is visited.
    std::optional<int> NextMatch(const QString& text, int fromRow) const;

signals:
    // Rows were replaced, reordered, hidden or shown.
    void TableReset();
    // One row's cells changed in place.
    void RowChanged(int row);
    // A file was opened, closed or renamed, or a link or setting the window
    // shows changed.
    void FileChanged();
    // The filter was set or cancelled ("Filter On", Cancel Filter enabled).
    void FilterChanged(bool active);

private:
    class ResetOnExit;
    void Load(const QString& name, const PercentProgress& progress);
    // Link file and data file as one unit; the table's record numbers
    // become 1 ... n in file order.
    void WriteWholeFile(const QString& name, const BillingFiles& files, RecordTable& table) const;
    void WriteLink(const QString& pl5FileName, const QString& su5FileName) const;
    void Adopt(const QString& name, const BillingFiles& files, RecordTable table);
    void Forget();
    AutomaticBackupOutcome AutomaticBackups(const StepProgress& progress);
    void ReSort();
    int RowOfRecNo(int recNo) const;
    int RecNoOf(int row) const;
    // Writes the row's bill with fresh stamps unless another user wrote it
    // after this copy read it; then nothing is written and the stored bill
    // comes back. The bill's read, test and write hold the lock.
    std::optional<TBillRec> WriteUnlessForeign(int row);
    // True on a conflict; the row then holds the stored bill.
    bool WriteWithStampTest(int row);
    void SetStamps(int row, DayCount now);
    QList<CompareRow> CompareRowsOf(const QStringList& cells) const;

    const OfficeContext& context_;
    QString fileName_;
    BillingFiles files_;
    RecordTable table_;
    TableProfile profile_;
    SortState sort_;
    int currentRow_ = 0;
    bool filterActive_ = false;
    BillFilterRec criteria_;
    books::ClientListCache clients_;
    QStringList clientItems_;
    QHash<QString, int> clientIndex_;
    quint64 clientIndexGeneration_ = 0;
};

} // namespace kiv5::billing

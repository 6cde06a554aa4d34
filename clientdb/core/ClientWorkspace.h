#pragma once

// The client database as the program holds it: its settings, the open client
// file with its memo lines, the table, the sort memory, the filter criteria
// and the record being edited. Every command is a method that does its work
// and tells what came of it; questions to the user (network warnings, the
// save-changes question, the comparison) are the window's, asked before or
// after the call. Files keep the folder they were opened from until closed.
//
// Each command throws IoError or ConversionError when a file fails; the
// files, the table and the memo lines are then as they were before the call.
// Views follow the signals.

#include "clientdb/core/ClientEntry.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/ClientNavigation.h"
#include "clientdb/core/ClientSaveRecord.h"
#include "clientdb/core/ClientSettings.h"
#include "clientdb/core/LoadBackup.h"
#include "clientdb/core/MakeBackup.h"
#include "clientdb/core/MemoList.h"
#include "clientdb/core/NameRec.h"
#include "clientdb/core/TPL5Rec.h"
#include "common/core/OfficeContext.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

#include <QList>
#include <QObject>
#include <QString>

namespace kiv5 {

// How a whole-file save writes: anew for a new file, under a new name, or in
// place.
enum class SaveMode { Plain, NewFile, SaveAs };

// What came of saving the entry form.
struct SaveOutcome {
    enum Kind { Saved, Conflict, Refused };
    Kind kind = Saved;
    int row = 0;  // Saved: the saved client's row after the sort
    int code = 0; // Refused: the error code of the failed check
    // Conflict: nothing was written; Resolve with the user's choice.
    EntrySave save;
};

struct DeleteOutcome {
    // Another user wrote the record meanwhile; nothing was written.
    bool conflict = false;
    RowAfterDelete next{0, false};
};

// The list view's three kinds of click on an entry.
enum class ListClick { Plain, Toggle, Range };

class ClientWorkspace : public QObject {
    Q_OBJECT

public:
    // The context gives the clock for stamps and dates; it must outlive this.
    ClientWorkspace(int screenWidth, const OfficeContext& context, QObject* parent = nullptr);

    // The primary screen's width, for the column widths' defaults.
    const int screenWidth;
    // Program state the settings and the menus keep.
    ClientSettings settings;
    // The stored data folder when it could not be reached at start-up and
    // the usual folder stands in for it (written back to the settings).
    QString unreachedFilesDirectory;
    bool AutoloadChecked = false;
    // The row the entry form works on, and whether its fields were changed.
    int CurrentRowNo = 1;
    bool ModifiedRecord = false;

    bool IsOpen() const { return !fileName_.isEmpty(); }
    // The name as chosen (the title shows its file name part).
    const QString& FileName() const { return fileName_; }
    // Where the open file's records and memo lines are, fixed at open.
    const ClientFiles& Files() const { return files_; }
    // The views adapt the table; the header sort changes its order.
    RecordTable& Table() { return table_; }
    const RecordTable& Table() const { return table_; }
    const MemoList& Memo() const { return memo_; }
    // An edited memo's line, kept until the memo lines are next written.
    void SetMemoLine(int slot, const QString& line);
    const TableProfile& Profile() const { return profile_; }
    SortState& Sort() { return sort_; }
    const NameRec& FilterRec() const { return filterRec_; }
    bool HasRow(int row) const { return row >= 1 && row < table_.RowCount(); }

    // The settings' data folder, or the usual one for this run when it
    // cannot be reached; returns the warning to show then, else empty.
    QString UseReachableFilesDirectory();
    // Creates the data folder when it is the usual one.
    bool EnsureFilesDirectory() const;
    // A folder chosen in Set Default Directory; applies from the next open.
    void SetFilesDirectory(const QString& folder);
    void SetAutoload(bool checked);
    // The settings as they are written at exit.
    ClientSettings SettingsToStore() const;

    // File commands.
    // Closes the open file, then reads name; a file that does not open
    // leaves no file open. Starts on row 1, sorted by last name.
    void Open(const QString& name, const PercentProgress& progress = {});
    // Writes the memo lines, then forgets the file; when the memo file
    // cannot be written the file stays open.
    void Close();
    // Writes the memo lines of the open file (at exit).
    void WriteMemo() const;
    // The file in place (Plain), under a new name, or a new empty file
    // (NewFile; the open file must be closed first).
    void Save(SaveMode mode, const QString& name = {}, const PercentProgress& progress = {});
    // Rewrites the file without deleted clients, then forgets it.
    void Pack(const PercentProgress& progress = {});
    // Cancels the filter and reads the file again; the last row is current.
    int Refresh(const PercentProgress& progress = {});
    void SortBy(int column, const PercentProgress& progress = {});
    RestoredBackup ReadBackup(const QString& backupPath,
                              const PercentProgress& progress = {}) const;
    // Writes the restored file and makes it the open file.
    void Restore(RestoredBackup& restored, const PercentProgress& progress = {});
    BackupFiles Backup(const PercentProgress& progress = {});
    void Export(const QString& path, bool onlySelected, const PercentProgress& progress = {}) const;

    // Record commands.
    // A new client at the file's real end; returns its row.
    int Add();
    SaveOutcome SaveRecord(int row, const ClientEntry& entry);
    // After the comparison; returns the row of the version kept.
    int ResolveConflict(int row, const EntrySave& save, bool keepEdited);
    // current: the row to move from afterwards.
    DeleteOutcome Delete(int row, int current, bool formOpen);
    // The entry form's view of a row.
    ClientEntry EntryOf(int row) const;
    // The row holds a client number (and a last name when asked).
    bool RowHasNumber(int row, bool requireLastName) const;

    void SelectAll(bool selected, const PercentProgress& progress = {});
    void SetFilter(const NameRec& criteria, const PercentProgress& progress = {});
    // Filters again with the criteria kept.
    void Refilter(const PercentProgress& progress = {});
    void CancelFilter(const PercentProgress& progress = {});
    // A click on the list view entry of recNo; range: the entries from the
    // last click to this one. Returns the row of recNo, or 0.
    int ClickListEntry(int recNo, ListClick click, const QList<int>& range = {});
    void SelectRow(int row);
    void Paste(int row, const TPL5Rec& rec);

signals:
    // Rows were replaced, reordered, hidden or shown.
    void TableReset();
    // One row's cells changed in place.
    void RowChanged(int row);
    // A file was opened, closed or renamed.
    void FileChanged();

private:
    void Forget();
    void ReplaceOpenFile(const QString& name, const ClientFiles& files);

    const OfficeContext& context_;
    QString fileName_;
    ClientFiles files_;
    RecordTable table_;
    MemoList memo_;
    TableProfile profile_;
    SortState sort_;
    NameRec filterRec_;
};

} // namespace kiv5

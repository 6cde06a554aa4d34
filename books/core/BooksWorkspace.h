#pragma once

// The bookkeeping program as it holds an open set: its settings, the two
// ledgers, the account and category lists, the link to the client file and
// the paths fixed at open. Every command is a method that does its work and
// tells what came of it; questions to the user (network warnings, the
// save-changes question, the comparison, the delete confirmation) are the
// window's, asked before or after the call.
//
// Whole-set commands read or write everything before they change what is
// held: when one throws IoError or ConversionError, the open set, its
// tables and its files are as they were. Views follow the signals.

#include "books/core/BooksBackup.h"
#include "books/core/BooksSettings.h"
#include "books/core/Ledger.h"
#include "common/core/OfficeContext.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace kiv5::books {

// Where an open set's files are, fixed when it was opened.
struct BooksFiles {
    QString folder;  // the bookkeeping files folder
    QString setFile; // the set file in that folder
    QString income;
    QString expense;
    QString accounts;
    QString categories;
};

BooksFiles BooksFilesFor(const QString& filesDirectory, const QString& fileName);

// How a whole-set save came about: only Save As warns about networks.
enum class SetSaveMode { NewSet, SaveAs, Restore };

struct AddOutcome {
    // 0 when added; 11160 when no client file is linked (nothing written).
    int code = 0;
    int row = 0;
};

class BooksWorkspace : public QObject {
    Q_OBJECT

public:
    // The context gives the clock and the error sink; it must outlive this.
    BooksWorkspace(int screenWidth, const OfficeContext& context, QObject* parent = nullptr);

    const int screenWidth;
    BooksSettings settings;
    bool AutoloadChecked = false;
    // The entry form's record has unsaved edits.
    bool ModifiedRecord = false;

    bool IsOpen() const { return !fileName_.isEmpty(); }
    const QString& FileName() const { return fileName_; }
    const BooksFiles& Files() const { return files_; }
    Ledger& LedgerOf(LedgerId id) { return id == LedgerId::Income ? income_ : expense_; }
    const Ledger& LedgerOf(LedgerId id) const {
        return id == LedgerId::Income ? income_ : expense_;
    }
    Ledger& Income() { return income_; }
    Ledger& Expense() { return expense_; }
    const QStringList& AccountStrList() const { return accounts_; }
    const QStringList& CategoryStrList() const { return categories_; }

    void SetAutoload(bool checked);
    void ToggleAutomaticBackup();
    // The settings as they are written at exit.
    BooksSettings SettingsToStore() const;
    // Reads the settings at start; autoload is checked when they name a set.
    void ReadSettings(SettingsStore& store);
    // The stored column widths of a ledger's window.
    std::array<qint32, BOOKSCOLUMNS>& ColumnWidths(LedgerId id);
    // The folder of a "Set Default Directory" kind: 0 the sets, 1 the
    // client files.
    QString& DefaultDirectory(int kind);
    // At exit: the set autoloaded next time (none when autoload is off), and
    // whether a backup is due.
    bool PrepareExit();

    // Set commands.
    // Reads the set file of that name in the files folder (its client
    // link), then the set; cancels the open set's filters first.
    void Open(const QString& chosen, const StepProgress& progress = {});
    // The set a command-line argument names: found as Open finds it, in the
    // files folder under the argument's file-name part.
    void OpenArgument(const QString& argument, const StepProgress& progress = {});
    // Reopen and autoload: the set without its set file.
    void Load(const QString& name, const StepProgress& progress = {});
    // The open set again from disk, filters cancelled; IoError when no set
    // is open.
    void Refresh(const StepProgress& progress = {});
    // A new empty set (categories from "default.cat") saved under name.
    void New(const QString& name, const StepProgress& progress = {});
    // The open set under a new name; filters cancelled first.
    void SaveAs(const QString& name, const StepProgress& progress = {});
    void Close(const StepProgress& progress = {});
    // Rewrites both data files without deleted records, then closes.
    void Pack(const StepProgress& progress = {});
    // Links a client file and writes the set file anew.
    void SetPL5File(const QString& chosen);
    void CancelFilters(const StepProgress& progress = {});

    BackupFiles Backup(const StepProgress& progress = {});
    void Restore(const QString& chosen, const StepProgress& progress = {});
    void Export(const QString& path, bool onlySelected, const StepProgress& progress = {}) const;
    // Where Export suggests to write: the set's folder and "<set>.txt".
    QString ExportFolder() const;
    QString ExportFileName() const;

    // Lists.
    // The account list read anew from its file (the editor opens on it).
    QStringList ReadAccounts();
    QStringList ReadCategories();
    // Writes the list file, then keeps the list.
    void SetAccounts(const QStringList& names);
    void SetCategories(const QStringList& names);
    // Adds a category that differs from every listed one ignoring letter
    // case and writes the list at once; false when it was listed.
    bool AddCategory(const QString& name);

    // The client link.
    QString ClientFile() const;
    bool HasClientFile() const;
    // The client list items; none when no client file is linked.
    std::optional<QStringList> ClientListItems(const PercentProgress& progress = {}) const;

    // Record commands of one ledger.
    AddOutcome Add(LedgerId id);
    RecordSaveOutcome SaveRecord(LedgerId id, int row, const LedgerEntry& entry);
    int ResolveConflict(LedgerId id, const LedgerConflict& conflict, bool keepEdited);
    RecordDeleteOutcome Delete(LedgerId id, int row, bool formOpen);
    bool DeleteSelectedRow(LedgerId id, int row);
    void SortBy(LedgerId id, int column, bool headerClick, const PercentProgress& progress = {});
    void SelectAll(LedgerId id, bool selected, const PercentProgress& progress = {});
    void SetFilter(LedgerId id, const FilterRec& criteria, const PercentProgress& progress = {});
    void CancelFilter(LedgerId id, const PercentProgress& progress = {});
    void SetCurrentRow(LedgerId id, int row);
    void ToggleMark(LedgerId id, int row);

signals:
    void TableReset(kiv5::books::LedgerId id);
    void RowChanged(kiv5::books::LedgerId id, int row);
    // A set was opened, closed or renamed, or the link changed.
    void FileChanged();

private:
    struct LoadedSet {
        RecordTable income;
        RecordTable expense;
        QStringList accounts;
        QStringList categories;
    };
    // The members as they are; a replacement a crash interrupted is
    // finished first (RecoverSet) by the caller.
    LoadedSet ReadSet(const BooksFiles& files, const StepProgress& progress) const;
    void AdoptSet(const QString& name, const BooksFiles& files, LoadedSet set);
    // Writes set file, both ledgers and both lists as one unit.
    void WriteWholeSet(const BooksFiles& files, RecordTable& income, RecordTable& expense,
                       const QStringList& accounts, const QStringList& categories,
                       const StepProgress& progress) const;
    void Forget();
    void ResetAll();

    const OfficeContext& context_;
    QString fileName_;
    BooksFiles files_;
    Ledger income_;
    Ledger expense_;
    QStringList accounts_;
    QStringList categories_;
};

} // namespace kiv5::books

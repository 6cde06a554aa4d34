#include "books/core/BooksWorkspace.h"

#include "books/core/BookkeepingSet.h"
#include "books/core/ClientList.h"
#include "books/core/LedgerLayout.h"
#include "books/core/LedgerRow.h"
#include "common/core/Exceptions.h"
#include "common/core/FileSet.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace kiv5::books {
namespace {

PercentProgress StepOf(const StepProgress& progress, const QString& text) {
    if (!progress) {
        return {};
    }
    return [progress, text](int percent) { progress(text, percent); };
}

void Announce(const StepProgress& progress, const QString& text) {
    if (progress) {
        progress(text, 0);
    }
}

// A replacement a crash interrupted is finished before any member is read,
// the set file included (it may lie beside its previous copy then).
void RecoverSet(const BooksFiles& files) {
    RecoverFileSet(files.income,
                   {files.income, files.expense, files.accounts, files.categories, files.setFile});
}

// The client link of a set file (its fifth line), refusing a folder and a
// file of fewer than five lines with a message naming it.
QString ReadLinkOfSetFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir()) {
        throw IoError(QStringLiteral("\"%1\" is a folder, not a bookkeeping set file.").arg(shown));
    }
    const QStringList lines = ReadTextLines(path);
    if (lines.size() < 5) {
        throw IoError(QStringLiteral("The set file \"%1\" holds %2 lines; a bookkeeping set file "
                                     "holds five.")
                          .arg(shown)
                          .arg(lines.size()));
    }
    return lines[4];
}

bool ListsName(const QStringList& names, const QString& name) {
    for (const QString& listed : names) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

BooksFiles BooksFilesFor(const QString& filesDirectory, const QString& fileName) {
    return {SlashAtEnd(filesDirectory),
            SetFileInFilesDirectory(filesDirectory, fileName),
            IncomeFilePath(filesDirectory, fileName),
            ExpenseFilePath(filesDirectory, fileName),
            AccountListPath(filesDirectory, fileName),
            CategoryListPath(filesDirectory, fileName)};
}

BooksWorkspace::BooksWorkspace(int width, const OfficeContext& context, QObject* parent)
    : QObject(parent), screenWidth(width), settings(BuiltInBooksSettings(width)), context_(context),
      income_(IncomeKind()), expense_(ExpenseKind()) {}

void BooksWorkspace::SetAutoload(bool checked) {
    AutoloadChecked = checked;
    settings.AutoFileName = checked ? fileName_ : QString();
}

void BooksWorkspace::ToggleAutomaticBackup() {
    settings.AutomaticBackupFlag = !settings.AutomaticBackupFlag;
}

BooksSettings BooksWorkspace::SettingsToStore() const {
    return settings;
}

void BooksWorkspace::ReadSettings(SettingsStore& store) {
    if (ReadTheIniFile(settings, store, screenWidth)) {
        AutoloadChecked = !settings.AutoFileName.isEmpty();
    }
}

std::array<qint32, BOOKSCOLUMNS>& BooksWorkspace::ColumnWidths(LedgerId id) {
    return id == LedgerId::Income ? settings.IColumnWidth : settings.EColumnWidth;
}

QString& BooksWorkspace::DefaultDirectory(int kind) {
    return kind == 0 ? settings.FilesDirectory : settings.PL5Directory;
}

bool BooksWorkspace::PrepareExit() {
    settings.AutoFileName = AutoloadChecked ? fileName_ : QString();
    return IsOpen() && settings.AutomaticBackupFlag;
}

QString BooksWorkspace::ExportFolder() const {
    return FolderPart(fileName_);
}

QString BooksWorkspace::ExportFileName() const {
    return SetBaseName(fileName_) + QStringLiteral(".txt");
}

BooksWorkspace::LoadedSet BooksWorkspace::ReadSet(const BooksFiles& files,
                                                  const StepProgress& progress) const {
    LoadedSet set{MakeLedgerTable(), MakeLedgerTable(), {}, {}};
    Announce(progress, ExpenseKind().openingText);
    set.expense = ReadLedgerTable(LedgerId::Expense, files.expense);
    Announce(progress, IncomeKind().openingText);
    set.income = ReadLedgerTable(LedgerId::Income, files.income);
    Announce(progress, QStringLiteral("Opening Account File"));
    set.accounts = ReadNameList(files.accounts);
    Announce(progress, QStringLiteral("Opening Category File"));
    set.categories = ReadNameList(files.categories);
    return set;
}

void BooksWorkspace::AdoptSet(const QString& name, const BooksFiles& files, LoadedSet set) {
    fileName_ = name;
    files_ = files;
    income_.Adopt(std::move(set.income), files.income);
    expense_.Adopt(std::move(set.expense), files.expense);
    accounts_ = std::move(set.accounts);
    categories_ = std::move(set.categories);
    ModifiedRecord = false;
    emit TableReset(LedgerId::Income);
    emit TableReset(LedgerId::Expense);
    emit FileChanged();
}

void BooksWorkspace::WriteWholeSet(const BooksFiles& files, RecordTable& income,
                                   RecordTable& expense, const QStringList& accounts,
                                   const QStringList& categories,
                                   const StepProgress& progress) const {
    // The set file goes into the files folder with its members, never to
    // the name as given (a bare name would land in the working folder).
    FileSetWriter set(files.income);
    WriteTextLines(set.Stage(files.setFile), SetFileLines(files.setFile, settings.PL5FileName));
    Announce(progress, IncomeKind().savingText);
    WriteLedgerTable(LedgerId::Income, set.Stage(files.income), income, context_.errors);
    Announce(progress, ExpenseKind().savingText);
    WriteLedgerTable(LedgerId::Expense, set.Stage(files.expense), expense, context_.errors);
    WriteNameList(set.Stage(files.accounts), accounts);
    WriteNameList(set.Stage(files.categories), categories);
    set.Commit();
}

void BooksWorkspace::Forget() {
    fileName_.clear();
    files_ = {};
    income_.Forget();
    expense_.Forget();
    accounts_.clear();
    categories_.clear();
    ModifiedRecord = false;
}

void BooksWorkspace::ResetAll() {
    Forget();
    emit TableReset(LedgerId::Income);
    emit TableReset(LedgerId::Expense);
    emit FileChanged();
}

void BooksWorkspace::CancelFilters(const StepProgress& progress) {
    if (!IsOpen()) {
        return;
    }
    CancelFilter(LedgerId::Income, StepOf(progress, IncomeKind().cancellingFilterText));
    CancelFilter(LedgerId::Expense, StepOf(progress, ExpenseKind().cancellingFilterText));
}

void BooksWorkspace::Open(const QString& chosen, const StepProgress& progress) {
    const BooksFiles files = BooksFilesFor(settings.FilesDirectory, chosen);
    RecoverSet(files);
    const QString link = ReadLinkOfSetFile(files.setFile);
    CancelFilters(progress);
    LoadedSet set = ReadSet(files, progress);
    settings.PL5FileName = link;
    AdoptSet(chosen, files, std::move(set));
    settings.History.Add(chosen);
}

void BooksWorkspace::OpenArgument(const QString& argument, const StepProgress& progress) {
    Open(SetFileInFilesDirectory(settings.FilesDirectory, argument), progress);
}

void BooksWorkspace::Load(const QString& name, const StepProgress& progress) {
    const BooksFiles files = BooksFilesFor(settings.FilesDirectory, name);
    RecoverSet(files);
    AdoptSet(name, files, ReadSet(files, progress));
}

void BooksWorkspace::Refresh(const StepProgress& progress) {
    if (!IsOpen()) {
        throw IoError(
            QStringLiteral("No bookkeeping set is open, so there is nothing to refresh."));
    }
    CancelFilters(progress);
    RecoverSet(files_);
    const QString link = ReadLinkOfSetFile(fileName_);
    LoadedSet set = ReadSet(files_, progress);
    settings.PL5FileName = link;
    AdoptSet(fileName_, files_, std::move(set));
}

void BooksWorkspace::New(const QString& name, const StepProgress& progress) {
    const BooksFiles files = BooksFilesFor(settings.FilesDirectory, name);
    LoadedSet set{
        MakeLedgerTable(), MakeLedgerTable(), {}, ReadDefaultCategoryList(settings.FilesDirectory)};
    CancelFilters(progress);
    WriteWholeSet(files, set.income, set.expense, set.accounts, set.categories, progress);
    AdoptSet(name, files, std::move(set));
    settings.History.Add(name);
}

void BooksWorkspace::SaveAs(const QString& name, const StepProgress& progress) {
    CancelFilters(progress);
    const BooksFiles files = BooksFilesFor(settings.FilesDirectory, name);
    WriteWholeSet(files, income_.Table(), expense_.Table(), accounts_, categories_, progress);
    fileName_ = name;
    files_ = files;
    income_.MoveTo(files.income);
    expense_.MoveTo(files.expense);
    settings.History.Add(name);
    emit TableReset(LedgerId::Income);
    emit TableReset(LedgerId::Expense);
    emit FileChanged();
}

void BooksWorkspace::Close(const StepProgress& progress) {
    CancelFilters(progress);
    ResetAll();
}

void BooksWorkspace::Pack(const StepProgress& progress) {
    if (!IsOpen()) {
        return;
    }
    FileSetWriter set(files_.income);
    Announce(progress, IncomeKind().packingText);
    income_.WritePackedFile(set.Stage(files_.income), context_.errors);
    Announce(progress, ExpenseKind().packingText);
    expense_.WritePackedFile(set.Stage(files_.expense), context_.errors);
    set.Commit();
    ResetAll();
}

void BooksWorkspace::SetPL5File(const QString& chosen) {
    const QString link = FileNamePart(chosen);
    if (IsOpen()) {
        WriteTextLines(files_.setFile, SetFileLines(files_.setFile, link));
    }
    settings.PL5FileName = link;
    emit FileChanged();
}

BackupFiles BooksWorkspace::Backup(const StepProgress& progress) {
    const int generation = settings.BackupCounter;
    const BackupFiles written =
        MakeBooksBackup({income_.Table(),
                         expense_.Table(),
                         accounts_,
                         categories_,
                         {files_.income, files_.expense, files_.accounts, files_.categories}},
                        IsOpen() ? files_.folder : settings.FilesDirectory, SetBaseName(fileName_),
                        generation, progress);
    settings.BackupCounter = NextBackupCounter(generation);
    return written;
}

void BooksWorkspace::Restore(const QString& chosen, const StepProgress& progress) {
    RestoredBooks restored = ReadBooksBackup(chosen, context_.clock, progress);
    const BooksFiles files = BooksFilesFor(settings.FilesDirectory, restored.FileName);
    WriteWholeSet(files, restored.income, restored.expense, restored.accounts, restored.categories,
                  progress);
    AdoptSet(restored.FileName, files,
             {std::move(restored.income), std::move(restored.expense), std::move(restored.accounts),
              std::move(restored.categories)});
}

void BooksWorkspace::Export(const QString& path, bool onlySelected,
                            const StepProgress& progress) const {
    ExportBooks(path, income_.Table(), expense_.Table(), onlySelected, progress);
}

QStringList BooksWorkspace::ReadAccounts() {
    if (IsOpen()) {
        accounts_ = ReadNameList(files_.accounts);
    }
    return accounts_;
}

QStringList BooksWorkspace::ReadCategories() {
    if (IsOpen()) {
        categories_ = ReadNameList(files_.categories);
    }
    return categories_;
}

void BooksWorkspace::SetAccounts(const QStringList& names) {
    if (IsOpen()) {
        WriteNameList(files_.accounts, names);
    }
    accounts_ = names;
}

void BooksWorkspace::SetCategories(const QStringList& names) {
    if (IsOpen()) {
        WriteNameList(files_.categories, names);
    }
    categories_ = names;
}

bool BooksWorkspace::AddCategory(const QString& name) {
    if (name.isEmpty() || ListsName(categories_, name)) {
        return false;
    }
    SetCategories(QStringList(categories_) << name);
    return true;
}

QString BooksWorkspace::ClientFile() const {
    return LinkedClientFile(settings.PL5Directory, settings.PL5FileName);
}

bool BooksWorkspace::HasClientFile() const {
    return HasLinkedClientFile(settings.PL5Directory, settings.PL5FileName);
}

std::optional<QStringList> BooksWorkspace::ClientListItems(const PercentProgress& progress) const {
    if (!HasClientFile()) {
        return std::nullopt;
    }
    return ReadClientList(ClientFile(), progress);
}

AddOutcome BooksWorkspace::Add(LedgerId id) {
    if (!HasClientFile()) {
        return {11160, 0};
    }
    AddOutcome outcome;
    try {
        outcome.row = LedgerOf(id).Add(context_.clock);
    } catch (...) {
        emit TableReset(id);
        throw;
    }
    ModifiedRecord = true;
    emit TableReset(id);
    return outcome;
}

RecordSaveOutcome BooksWorkspace::SaveRecord(LedgerId id, int row, const LedgerEntry& entry) {
    const RecordSaveOutcome outcome =
        LedgerOf(id).Save(row, entry, context_.clock, context_.errors);
    if (outcome.kind == RecordSaveOutcome::Saved) {
        ModifiedRecord = false;
        emit TableReset(id);
    } else if (outcome.kind == RecordSaveOutcome::Conflict) {
        emit RowChanged(id, row);
    }
    return outcome;
}

int BooksWorkspace::ResolveConflict(LedgerId id, const LedgerConflict& conflict, bool keepEdited) {
    const int row = LedgerOf(id).Resolve(conflict, keepEdited, context_.clock, context_.errors);
    ModifiedRecord = false;
    emit TableReset(id);
    return row;
}

RecordDeleteOutcome BooksWorkspace::Delete(LedgerId id, int row, bool formOpen) {
    RecordDeleteOutcome outcome;
    try {
        outcome = LedgerOf(id).Delete(row, formOpen, context_.clock, context_.errors);
    } catch (...) {
        emit TableReset(id);
        throw;
    }
    emit TableReset(id);
    return outcome;
}

bool BooksWorkspace::DeleteSelectedRow(LedgerId id, int row) {
    bool conflict = false;
    try {
        conflict = LedgerOf(id).DeleteRow(row, context_.clock, context_.errors);
    } catch (...) {
        emit TableReset(id);
        throw;
    }
    emit TableReset(id);
    return conflict;
}

void BooksWorkspace::SortBy(LedgerId id, int column, bool headerClick,
                            const PercentProgress& progress) {
    try {
        LedgerOf(id).SortBy(column, headerClick, progress);
    } catch (...) {
        emit TableReset(id);
        throw;
    }
    emit TableReset(id);
}

void BooksWorkspace::SelectAll(LedgerId id, bool selected, const PercentProgress& progress) {
    try {
        LedgerOf(id).SelectAll(selected, progress);
    } catch (...) {
        emit TableReset(id);
        throw;
    }
    emit TableReset(id);
}

void BooksWorkspace::SetFilter(LedgerId id, const FilterRec& criteria,
                               const PercentProgress& progress) {
    try {
        LedgerOf(id).SetFilter(criteria, progress);
    } catch (...) {
        emit TableReset(id);
        throw;
    }
    emit TableReset(id);
}

void BooksWorkspace::CancelFilter(LedgerId id, const PercentProgress& progress) {
    try {
        LedgerOf(id).CancelFilter(progress);
    } catch (...) {
        emit TableReset(id);
        throw;
    }
    emit TableReset(id);
}

void BooksWorkspace::SetCurrentRow(LedgerId id, int row) {
    LedgerOf(id).CurrentRow = row;
}

void BooksWorkspace::ToggleMark(LedgerId id, int row) {
    Ledger& ledger = LedgerOf(id);
    if (!ledger.HasRow(row)) {
        return;
    }
    RecordTable& table = ledger.Table();
    const bool marked = table.Cell(row, LedgerColumn::Mark) == QLatin1String("X");
    table.SetCell(row, LedgerColumn::Mark, marked ? QString() : QStringLiteral("X"));
    emit RowChanged(id, row);
}

} // namespace kiv5::books

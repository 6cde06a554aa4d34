#include "billing/core/BillingWorkspace.h"

#include "billing/core/BillColumns.h"
#include "billing/core/BillMoney.h"
#include "billing/core/BillRow.h"
#include "billing/core/BillingFile.h"
#include "billing/core/BillingWorkspaceReset.h"
#include "billing/core/CalendarBackup.h"
#include "billing/core/CalendarFile.h"
#include "billing/core/PeriodicBilling.h"
#include "billing/core/ShorthandTexts.h"
#include "books/core/BookkeepingSet.h"
#include "books/core/LedgerLayout.h"
#include "common/core/Exceptions.h"
#include "common/core/FileSet.h"
#include "common/core/Folders.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"

#include <QFileInfo>

namespace kiv5::billing {
namespace {

// The generation a backup writes: the counter, or 1 for a counter that
// never ran (0) or ran out of range.
int BackupGeneration(int counter) {
    return counter >= 1 && counter <= kBackupGenerations ? counter : 1;
}

QString NoFileOpenMessage() {
    return QStringLiteral("No billing file is open.");
}

} // namespace

BillingFiles BillingFilesFor(const QString& filesDirectory, const QString& fileName) {
    return {SlashAtEnd(filesDirectory), BillLinkPath(filesDirectory, fileName),
            BillDataPath(filesDirectory, fileName)};
}

bool WarnsAboutNetwork(BillingSaveMode mode) {
    return mode == BillingSaveMode::SaveAs;
}

BillingWorkspace::BillingWorkspace(int width, const OfficeContext& context, QObject* parent)
    : QObject(parent), screenWidth(width), settings(BuiltInBillingSettings(width)),
      context_(context), table_(MakeBillTable()),
      profile_(BillTableProfile(
          [&context](RecordTable& table) { MakeBlankRow(table, 0, 0, context.clock); })),
      sort_(profile_) {}

BillingWorkspace::~BillingWorkspace() = default;

QString BillingWorkspace::Caption() const {
    return QStringLiteral("Quenby5: ") + FileNamePart(fileName_);
}

void BillingWorkspace::SetCurrentRow(int row) {
    currentRow_ = row;
}

QString BillingWorkspace::HeaderCaption(int column) const {
    if (column < 0 || column >= BillColumn::Count) {
        return {};
    }
    const QString caption =
        QString::fromLatin1(BillColumns()[static_cast<std::size_t>(column)].Caption);
    if (column != sort_.SortedColumn) {
        return caption;
    }
    return caption.toUpper() +
           (sort_.IsAscending(column) ? QStringLiteral(" v") : QStringLiteral(" ^"));
}

BillingSettings BillingWorkspace::SettingsToStore() const {
    BillingSettings stored = settings;
    if (!unreachedFilesDirectory.isEmpty()) {
        stored.FilesDirectory = unreachedFilesDirectory;
    }
    return stored;
}

bool BillingWorkspace::ReadSettings(SettingsStore& store) {
    return ReadTheIniFile(settings, store, screenWidth);
}

bool BillingWorkspace::WriteSettings(SettingsStore& store) const {
    return WriteTheIniFile(SettingsToStore(), store, context_.errors);
}

QString BillingWorkspace::UseReachableFilesDirectory() {
    const QString stored = settings.FilesDirectory;
    const DataFolder usable = UsableDataFolder(stored, UsualFolder(QStringLiteral("Quenby5")));
    if (!usable.usedUsual) {
        return {};
    }
    settings.FilesDirectory = usable.folder;
    unreachedFilesDirectory = stored;
    return MissingDataFolderText(stored, usable.folder);
}

bool BillingWorkspace::EnsureFilesDirectory() const {
    return EnsureDataFolder(settings.FilesDirectory, UsualFolder(QStringLiteral("Quenby5")));
}

void BillingWorkspace::SetAutomaticBackup(bool on) {
    settings.AutomaticBackupFlag = on;
}

QString BillingWorkspace::HourlyRateText() const {
    return TrimLeadSpaces(FormatNumber("%14.2n", UnitsToMoney(settings.HourlyRate)));
}

int BillingWorkspace::SetHourlyRate(const QString& text) {
    const std::optional<qint64> rate = TryMoneyUnits(text);
    if (!rate) {
        return 21202;
    }
    settings.HourlyRate = *rate;
    return 0;
}

QString BillingWorkspace::ShorthandText(int key) const {
    return billing::ShorthandText(settings, key);
}

QStringList BillingWorkspace::ShorthandTexts() const {
    return billing::ShorthandTexts(settings);
}

void BillingWorkspace::SetShorthandTexts(const QStringList& texts) {
    billing::SetShorthandTexts(settings, texts);
}

void BillingWorkspace::SetDefaultDirectory(int kind, const QString& folder) {
    QString* targets[] = {&settings.FilesDirectory, &settings.SU5Directory, &settings.PL5Directory,
                          &settings.ISDirectory};
    if (kind < 0 || kind >= 4 || folder.isEmpty()) {
        return;
    }
    *targets[kind] = SlashAtEnd(folder);
    if (kind == 0) {
        unreachedFilesDirectory.clear();
    }
    emit FileChanged();
}

QString BillingWorkspace::DataFileFor(const QString& name) const {
    return BillDataPath(settings.FilesDirectory, name);
}

bool BillingWorkspace::DataFileExists(const QString& name) const {
    return QFileInfo::exists(DataFileFor(name));
}

void BillingWorkspace::Adopt(const QString& name, const BillingFiles& files, RecordTable table) {
    table_ = std::move(table);
    fileName_ = name;
    files_ = files;
    SortColumnShell(table_, profile_, sort_, BillColumn::FullName);
    currentRow_ = table_.DataRowCount();
    filterActive_ = false;
    for (int row = 1; row < table_.RowCount(); ++row) {
        filterActive_ = filterActive_ || table_.Status(row) == QLatin1String("-1");
    }
    ModifiedRecord = false;
    emit FileChanged();
    emit FilterChanged(filterActive_);
}

void BillingWorkspace::Forget() {
    table_ = MakeBillTable();
    fileName_.clear();
    files_ = {};
    currentRow_ = 0;
    filterActive_ = false;
    ModifiedRecord = false;
}

void BillingWorkspace::WriteWholeFile(const QString& name, const BillingFiles& files,
                                      RecordTable& table) const {
    FileSetWriter set(files.dataFile);
    WriteTextLines(set.Stage(files.linkFile),
                   LinkFileLines(name, settings.PL5FileName, settings.SU5FileName));
    WriteBillingFile(set.Stage(files.dataFile), table, context_.errors);
    set.Commit();
}

void BillingWorkspace::Load(const QString& name, const PercentProgress& progress) {
    const BillingFiles files = BillingFilesFor(settings.FilesDirectory, name);
    RecoverFileSet(files.dataFile, BillingSetMembers(files.dataFile, files.linkFile));
    if (progress) {
        progress(0);
    }
    RecordTable table = MakeBillTable();
    ReadBillingFile(files.dataFile, table);
    ResetOnExit reset(*this);
    Adopt(name, files, std::move(table));
}

void BillingWorkspace::OpenArgument(const QString& argument, const PercentProgress& progress) {
    Open(QFileInfo(argument).isAbsolute()
             ? argument
             : BillingFilesFor(settings.FilesDirectory, argument).linkFile,
         progress);
}

void BillingWorkspace::Open(const QString& chosen, const PercentProgress& progress) {
    Load(chosen, progress);
    settings.History.Add(chosen);
}

QString BillingWorkspace::Reopen(int index, const PercentProgress& progress) {
    const QString name = settings.History.Reopen(index);
    if (!name.isEmpty()) {
        Load(name, progress);
    }
    return name;
}

void BillingWorkspace::New(const QString& name, const PercentProgress& progress) {
    EnsureFilesDirectory();
    const BillingFiles files = BillingFilesFor(settings.FilesDirectory, name);
    RecordTable table = MakeBillTable();
    if (progress) {
        progress(0);
    }
    WriteWholeFile(name, files, table);
    ResetOnExit reset(*this);
    Adopt(name, files, std::move(table));
    settings.History.Add(name);
}

void BillingWorkspace::SaveAs(const QString& name, const PercentProgress& progress) {
    EnsureFilesDirectory();
    const BillingFiles files = BillingFilesFor(settings.FilesDirectory, name);
    RecordTable table = table_;
    if (progress) {
        progress(0);
    }
    WriteWholeFile(name, files, table);
    ResetOnExit reset(*this);
    const bool wasFiltered = filterActive_;
    Adopt(name, files, std::move(table));
    filterActive_ = wasFiltered || filterActive_;
    settings.History.Add(name);
}

AutomaticBackupOutcome BillingWorkspace::AutomaticBackups(const StepProgress& progress) {
    AutomaticBackupOutcome outcome;
    if (!settings.AutomaticBackupFlag) {
        return outcome;
    }
    outcome.made = true;
    const int generation = BackupGeneration(settings.BackupCounter);
    if (IsOpen()) {
        try {
            outcome.billing = billing::MakeBillingBackup(table_, fileName_, generation, progress);
        } catch (const Kiv5Error& error) {
            outcome.failures.append(error.Message());
        }
    }
    if (!QFileInfo(CalendarFile()).isFile()) {
        outcome.calendarSkipped = true;
    } else {
        try {
            outcome.calendar =
                billing::MakeCalendarBackup(settings.FilesDirectory, generation, progress);
        } catch (const Kiv5Error& error) {
            outcome.failures.append(error.Message());
        }
    }
    settings.BackupCounter = NextBackupCounter(generation);
    return outcome;
}

AutomaticBackupOutcome BillingWorkspace::Close(const StepProgress& progress) {
    AutomaticBackupOutcome outcome = AutomaticBackups(progress);
    ResetOnExit reset(*this);
    Forget();
    emit FileChanged();
    emit FilterChanged(false);
    return outcome;
}

AutomaticBackupOutcome BillingWorkspace::ExitBackups(const StepProgress& progress) {
    return AutomaticBackups(progress);
}

BillingBackupFiles BillingWorkspace::MakeBillingBackup(const StepProgress& progress) {
    if (!IsOpen()) {
        throw IoError(NoFileOpenMessage());
    }
    const int generation = BackupGeneration(settings.BackupCounter);
    const BillingBackupFiles files =
        billing::MakeBillingBackup(table_, fileName_, generation, progress);
    settings.BackupCounter = NextBackupCounter(generation);
    return files;
}

QString BillingWorkspace::MakeCalendarBackup(const StepProgress& progress) {
    const int generation = BackupGeneration(settings.BackupCounter);
    const QString path = billing::MakeCalendarBackup(settings.FilesDirectory, generation, progress);
    settings.BackupCounter = NextBackupCounter(generation);
    return path;
}

void BillingWorkspace::RestoreBillingBackup(const QString& chosen, const StepProgress& progress) {
    EnsureFilesDirectory();
    RestoredBilling restored = ReadBillingBackup(chosen, context_.clock, progress);
    const BillingFiles files = BillingFilesFor(settings.FilesDirectory, restored.fileName);
    WriteWholeFile(restored.fileName, files, restored.table);
    ResetOnExit reset(*this);
    Adopt(restored.fileName, files, std::move(restored.table));
}

void BillingWorkspace::RestoreCalendarBackup(const QString& chosen, const StepProgress& progress) {
    billing::RestoreCalendarBackup(chosen, settings.FilesDirectory, context_, progress);
}

QString BillingWorkspace::CalendarFile() const {
    return CalendarFilePath(settings.FilesDirectory);
}

QString BillingWorkspace::ExportFileName() const {
    return FolderPart(fileName_) + StripExtension(FileNamePart(fileName_)) + QStringLiteral(".txt");
}

void BillingWorkspace::Export(const QString& path, bool onlySelected,
                              const StepProgress& progress) const {
    ExportBills(path, table_, onlySelected, progress);
}

void BillingWorkspace::WriteLink(const QString& pl5FileName, const QString& su5FileName) const {
    if (IsOpen()) {
        WriteTextLines(files_.linkFile, LinkFileLines(fileName_, pl5FileName, su5FileName));
    }
}

void BillingWorkspace::SetPL5File(const QString& chosen) {
    WriteLink(chosen, settings.SU5FileName);
    settings.PL5FileName = chosen;
    const QString folder = FolderPart(chosen);
    if (!folder.isEmpty() && QFileInfo(folder).canonicalFilePath() !=
                                 QFileInfo(settings.PL5Directory).canonicalFilePath()) {
        settings.PL5Directory = SlashAtEnd(folder);
    }
    clients_.Forget();
    emit FileChanged();
}

int BillingWorkspace::SetSU5File(const QString& chosen) {
    const QFileInfo income(books::IncomeFilePath(settings.SU5Directory, chosen));
    const QFileInfo expense(books::ExpenseFilePath(settings.SU5Directory, chosen));
    if (!income.isFile()) {
        return 12010;
    }
    if (!expense.isFile()) {
        return 12020;
    }
    // A damaged ledger is named now rather than when a bill is computed.
    CheckRecordFileLength(income.filePath(), income.size(), books::kLedgerRecordSize);
    CheckRecordFileLength(expense.filePath(), expense.size(), books::kLedgerRecordSize);
    WriteLink(settings.PL5FileName, chosen);
    settings.SU5FileName = chosen;
    emit FileChanged();
    return 0;
}

QString BillingWorkspace::ClientFile() const {
    return books::LinkedClientFile(settings.PL5Directory, settings.PL5FileName);
}

bool BillingWorkspace::HasClientFile() const {
    return books::HasLinkedClientFile(settings.PL5Directory, settings.PL5FileName);
}

} // namespace kiv5::billing

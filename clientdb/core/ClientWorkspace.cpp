#include "clientdb/core/ClientWorkspace.h"

#include "clientdb/core/AppendClient.h"
#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientFilter.h"
#include "clientdb/core/ClientSelection.h"
#include "clientdb/core/ClientSlot.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ClientValidation.h"
#include "clientdb/core/ExportTXTFile.h"
#include "clientdb/core/MakeBlankRow.h"
#include "common/core/Folders.h"
#include "common/core/Misc.h"

namespace kiv5 {
ClientWorkspace::ClientWorkspace(int width, const OfficeContext& context, QObject* parent)
    : QObject(parent), screenWidth(width), settings(BuiltInClientSettings(width)),
      context_(context), table_(MakeClientTable()),
      profile_(ClientTableProfile([this](RecordTable& t) {
          // The header row is a blank client row whose number does not use up
          // the counter.
          MakeBlankRow(t, 0, 0, false, settings.ClientSubNo, context_.clock);
      })),
      sort_(profile_), filterRec_(EmptyFilterRec()) {}

QString ClientWorkspace::UseReachableFilesDirectory() {
    const QString stored = settings.FilesDirectory;
    const DataFolder usable = UsableDataFolder(stored, UsualClientFolder());
    if (!usable.usedUsual) {
        return {};
    }
    settings.FilesDirectory = usable.folder;
    unreachedFilesDirectory = stored;
    return MissingDataFolderText(stored, usable.folder);
}

bool ClientWorkspace::EnsureFilesDirectory() const {
    return EnsureDataFolder(settings.FilesDirectory, UsualClientFolder());
}

void ClientWorkspace::SetFilesDirectory(const QString& folder) {
    if (folder.isEmpty()) {
        return;
    }
    settings.FilesDirectory = folder;
    unreachedFilesDirectory.clear();
}

void ClientWorkspace::SetAutoload(bool checked) {
    AutoloadChecked = checked;
    settings.AutoFileName = checked ? fileName_ : QString();
}

ClientSettings ClientWorkspace::SettingsToStore() const {
    ClientSettings stored = settings;
    if (!unreachedFilesDirectory.isEmpty()) {
        stored.FilesDirectory = unreachedFilesDirectory;
    }
    return stored;
}

void ClientWorkspace::SetMemoLine(int slot, const QString& line) {
    if (slot >= 0 && slot < memo_.size()) {
        memo_[slot] = line;
    }
}

void ClientWorkspace::Forget() {
    fileName_.clear();
    files_ = {};
    table_.Clear();
    memo_.clear();
    CurrentRowNo = 1;
    ModifiedRecord = false;
}

void ClientWorkspace::ReplaceOpenFile(const QString& name, const ClientFiles& files) {
    fileName_ = name;
    files_ = files;
}

void ClientWorkspace::Open(const QString& name, const PercentProgress& progress) {
    Close();
    const ClientFiles files = ExistingClientFilesFor(settings.FilesDirectory, name);
    try {
        OpenClientFile(files, table_, memo_, progress);
    } catch (...) {
        Forget();
        emit TableReset();
        emit FileChanged();
        throw;
    }
    ReplaceOpenFile(name, files);
    SortBy(ClientCol::LastName);
    CurrentRowNo = 1;
    emit FileChanged();
}

void ClientWorkspace::Close() {
    if (IsOpen()) {
        // The memo lines go only once they are safely written.
        WriteMemo();
    }
    const bool wasOpen = IsOpen();
    Forget();
    emit TableReset();
    if (wasOpen) {
        emit FileChanged();
    }
}

void ClientWorkspace::WriteMemo() const {
    if (IsOpen()) {
        WriteMemoFile(files_.memoFile, memo_);
    }
}

void ClientWorkspace::Save(SaveMode mode, const QString& name, const PercentProgress& progress) {
    if (mode == SaveMode::Plain) {
        SaveClientFiles(files_, table_, memo_, context_.clock, progress);
    } else if (mode == SaveMode::NewFile) {
        const ClientFiles files = ClientFilesFor(settings.FilesDirectory, name);
        CreateClientFiles(files, table_, memo_, context_.clock);
        ReplaceOpenFile(name, files);
    } else {
        const ClientFiles files = ClientFilesFor(settings.FilesDirectory, name);
        SaveClientFiles(files, table_, memo_, context_.clock, progress);
        ReplaceOpenFile(name, files);
    }
    SortBy(ClientCol::LastName);
    emit FileChanged();
}

void ClientWorkspace::Pack(const PercentProgress& progress) {
    MemoList memo = memo_;
    PackClientFile(files_, table_, memo, context_.clock, progress);
    // The packed memo lines were just written with the packed file.
    Forget();
    emit TableReset();
    emit FileChanged();
}

int ClientWorkspace::Refresh(const PercentProgress& progress) {
    if (IsOpen()) {
        FilterCancel(table_);
        RefreshClientFile(files_, table_, memo_, progress);
    }
    SortBy(ClientCol::LastName);
    const int last = table_.RowCount() - 1;
    if (last >= 1) {
        CurrentRowNo = last;
    }
    emit FileChanged();
    return last;
}

void ClientWorkspace::SortBy(int column, const PercentProgress& progress) {
    SortColumnShell(table_, profile_, sort_, column, progress);
    emit TableReset();
}

RestoredBackup ClientWorkspace::ReadBackup(const QString& backupPath,
                                           const PercentProgress& progress) const {
    return LoadBackup(backupPath, settings.FilesDirectory, files_.clientFile, context_.clock,
                      progress);
}

void ClientWorkspace::Restore(RestoredBackup& restored, const PercentProgress& progress) {
    // The memo lines of a file left for another are kept before it goes.
    if (IsOpen() && !restored.restoresOpenFile) {
        WriteMemo();
    }
    SaveRestoredBackup(restored, context_.clock, progress);
    table_ = std::move(restored.table);
    memo_ = std::move(restored.memo);
    ReplaceOpenFile(restored.FileName, restored.files);
    SortBy(ClientCol::LastName);
    emit FileChanged();
}

BackupFiles ClientWorkspace::Backup(const PercentProgress& progress) {
    const QString folder = IsOpen() ? FolderPart(files_.clientFile) : settings.FilesDirectory;
    if (!IsOpen()) {
        EnsureFilesDirectory();
    }
    SortBy(ClientCol::RecNo);
    const BackupFiles written =
        MakeBackup(table_, memo_, fileName_, folder, settings.BackupCounter, progress);
    settings.BackupCounter = written.BackupCounter;
    SortBy(ClientCol::RecNo);
    return written;
}

void ClientWorkspace::Export(const QString& path, bool onlySelected,
                             const PercentProgress& progress) const {
    ExportTXTFile(table_, path, onlySelected, progress);
}

int ClientWorkspace::Add() {
    const int subNo = settings.ClientSubNo;
    int row = 0;
    try {
        row = AppendClient(files_, table_, memo_, settings.ClientSubNo, context_.clock).row;
    } catch (...) {
        settings.ClientSubNo = subNo;
        emit TableReset();
        throw;
    }
    CurrentRowNo = row;
    emit TableReset();
    emit FileChanged();
    return row;
}

SaveOutcome ClientWorkspace::SaveRecord(int row, const ClientEntry& entry) {
    SaveOutcome outcome;
    if (!HasRow(row)) {
        outcome.kind = SaveOutcome::Refused;
        return outcome;
    }
    if (const int code = ValidateClientEntry(table_, row, entry); code != 0) {
        outcome.kind = SaveOutcome::Refused;
        outcome.code = code;
        return outcome;
    }
    try {
        outcome.save =
            SaveClientEntry(files_, table_, profile_, sort_, row, entry, memo_, context_.clock);
    } catch (...) {
        emit TableReset();
        throw;
    }
    emit TableReset();
    if (outcome.save.conflict) {
        outcome.kind = SaveOutcome::Conflict;
        outcome.row = row;
        return outcome;
    }
    outcome.row = outcome.save.row > 0 ? outcome.save.row : row;
    CurrentRowNo = outcome.row;
    ModifiedRecord = false;
    return outcome;
}

int ClientWorkspace::ResolveConflict(int row, const EntrySave& save, bool keepEdited) {
    int kept = 0;
    try {
        kept = ResolveSaveConflict(files_, table_, profile_, sort_, row, save, keepEdited, memo_,
                                   context_.clock);
    } catch (...) {
        emit TableReset();
        throw;
    }
    if (kept < 1) {
        kept = row;
    }
    CurrentRowNo = kept;
    ModifiedRecord = false;
    emit TableReset();
    return kept;
}

DeleteOutcome ClientWorkspace::Delete(int row, int current, bool formOpen) {
    DeleteOutcome outcome;
    if (!HasRow(row)) {
        return outcome;
    }
    try {
        outcome.conflict = DeleteClientRow(files_.clientFile, table_, row, context_.clock).conflict;
    } catch (...) {
        emit TableReset();
        throw;
    }
    outcome.next = RowAfterDeletion(table_, current, formOpen);
    if (outcome.next.row > 0) {
        CurrentRowNo = outcome.next.row;
    }
    emit TableReset();
    return outcome;
}

ClientEntry ClientWorkspace::EntryOf(int row) const {
    return GridRowToEntryForm(table_, row, memo_);
}

bool ClientWorkspace::RowHasNumber(int row, bool requireLastName) const {
    if (!HasRow(row) || table_.Cell(row, ClientCol::ClientNo).trimmed().isEmpty()) {
        return false;
    }
    return !requireLastName || !table_.Cell(row, ClientCol::LastName).trimmed().isEmpty();
}

void ClientWorkspace::SelectAll(bool selected, const PercentProgress& progress) {
    try {
        SelectAllRecords(files_.clientFile, table_, profile_, sort_, selected, progress);
    } catch (...) {
        emit TableReset();
        throw;
    }
    emit TableReset();
}

void ClientWorkspace::SetFilter(const NameRec& criteria, const PercentProgress& progress) {
    filterRec_ = criteria;
    Refilter(progress);
}

void ClientWorkspace::Refilter(const PercentProgress& progress) {
    FilterNames(table_, filterRec_, progress);
    emit TableReset();
}

void ClientWorkspace::CancelFilter(const PercentProgress& progress) {
    FilterCancel(table_, progress);
    emit TableReset();
}

int ClientWorkspace::ClickListEntry(int recNo, ListClick click, const QList<int>& range) {
    switch (click) {
    case ListClick::Plain:
        SelectOnlyRecNo(table_, recNo);
        break;
    case ListClick::Toggle:
        ToggleMarkOfRecNo(table_, recNo);
        break;
    case ListClick::Range:
        if (!range.isEmpty()) {
            try {
                MarkRecNos(table_, profile_, sort_, range);
            } catch (...) {
                emit TableReset();
                throw;
            }
        }
        break;
    }
    emit TableReset();
    return RowOfRecNo(table_, recNo);
}

void ClientWorkspace::SelectRow(int row) {
    if (!HasRow(row)) {
        return;
    }
    table_.SetCell(row, ClientCol::Mark, QStringLiteral("X"));
    emit RowChanged(row);
}

void ClientWorkspace::Paste(int row, const TPL5Rec& rec) {
    if (!HasRow(row)) {
        return;
    }
    PasteTPL5Rec(table_, row, rec);
    emit RowChanged(row);
}

} // namespace kiv5

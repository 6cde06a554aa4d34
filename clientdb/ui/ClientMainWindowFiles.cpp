// The client main window's file commands: open, reopen, save, new, close,
// pack, refresh, export, backup and restore, and the printed documents.

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientFilter.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ExportTXTFile.h"
#include "clientdb/core/LoadBackup.h"
#include "clientdb/core/MakeBackup.h"
#include "clientdb/core/SendFullPO.h"
#include "clientdb/core/SendLaserLabels.h"
#include "clientdb/core/SendPhoneBk.h"
#include "clientdb/ui/ClientListView.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "common/core/Folders.h"
#include "common/core/Misc.h"
#include "common/ui/HistoryMenu.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/WaitCursor.h"

#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>

namespace kiv5::ui {
namespace {

const QString kNetworkWarning = QStringLiteral("Network Warning!");
const QString kClientFilter = QStringLiteral("PL5 Name Files|*.PL5");

// Hides a window for the span of a command; the command guard shows it
// again when the command fails.
class HiddenWhile {
public:
    explicit HiddenWhile(QWidget* widget) : widget_(widget) {
        if (widget_) {
            widget_->hide();
        }
    }
    ~HiddenWhile() {
        if (widget_) {
            widget_->show();
        }
    }
    HiddenWhile(const HiddenWhile&) = delete;
    HiddenWhile& operator=(const HiddenWhile&) = delete;

private:
    QPointer<QWidget> widget_;
};

} // namespace

bool ClientMainWindow::EnsureFilesDirectory() {
    return EnsureDataFolder(program_.settings.FilesDirectory, UsualClientFolder());
}

void ClientMainWindow::UseReachableFilesDirectory() {
    const QString stored = program_.settings.FilesDirectory;
    const DataFolder usable = UsableDataFolder(stored, UsualClientFolder());
    if (!usable.usedUsual) {
        return;
    }
    program_.settings.FilesDirectory = usable.folder;
    program_.unreachedFilesDirectory = stored;
    prompts_.Message(QStringLiteral("Default Directory"),
                     MissingDataFolderText(stored, usable.folder), QMessageBox::Ok,
                     QMessageBox::Warning);
}

void ClientMainWindow::SortTable(int column) {
    {
        ScopedProgress progress(context_.progress, QStringLiteral("Sorting Records"));
        SortColumnShell(program_.table, program_.profile, program_.sort, column,
                        progress.Callback());
    }
    ReloadTable();
    RefreshListView();
}

void ClientMainWindow::LoadClientFile(const QString& name, const QString& progressText) {
    program_.FileName = name;
    try {
        ScopedProgress progress(context_.progress, progressText);
        OpenClientFile(program_.Files(), program_.table, program_.MemoList, progress.Callback());
    } catch (...) {
        // A file that does not open leaves no file open.
        program_.FileName.clear();
        program_.ClearTable();
        ReloadTable();
        RefreshListView();
        UpdateCommands();
        throw;
    }
    SortTable(ClientCol::LastName);
    TileWindows();
    if (tableView_ && program_.table.RowCount() > 1) {
        tableView_->SetCurrentTableRow(1);
        program_.CurrentRowNo = 1;
    }
}

void ClientMainWindow::AddToHistory(const QString& name) {
    if (program_.settings.History.Add(name)) {
        RebuildHistoryMenu();
    }
}

void ClientMainWindow::RebuildHistoryMenu() {
    RebuildHistory(actions_.FileMenu, actions_.HistorySeparator,
                   program_.settings.History.Entries(),
                   [this](int index) { ReopenCommand(index); });
}

void ClientMainWindow::OpenFileCommand() {
    EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Open File Dialog"),
                           .folder = program_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.PL5"),
                           .filter = kClientFilter,
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    RunGuarded([&] {
        CloseFile();
        RecreateViews();
        LoadClientFile(*chosen, QStringLiteral("Opening File"));
        AddToHistory(*chosen);
    });
    UpdateCommands();
}

void ClientMainWindow::ReopenCommand(int historyIndex) {
    const QString name = program_.settings.History.Reopen(historyIndex);
    if (name.isEmpty()) {
        return;
    }
    RunGuarded([&] {
        CloseFile();
        WaitCursor wait;
        if (program_.settings.DisplayListView) {
            CreateListView();
        }
        LoadClientFile(name, QStringLiteral("Opening File - Hx List"));
    });
    RebuildHistoryMenu();
    UpdateCommands();
}

bool ClientMainWindow::AskSaveNetworkWarning() {
    return prompts_.Message(kNetworkWarning,
                            QStringLiteral("You may not want to use this command on networks. See "
                                           "relevant help topic for more information. Click Ok "
                                           "to continue with save."),
                            QMessageBox::Ok | QMessageBox::Cancel,
                            QMessageBox::Warning) == QMessageBox::Ok;
}

bool ClientMainWindow::SaveAsCommand() {
    EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.SaveFile({.title = QStringLiteral("Save File Dialog"),
                           .folder = program_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.PL5"),
                           .filter = kClientFilter,
                           .defaultExtension = QStringLiteral("PL5"),
                           .askOverwrite = true});
    if (!chosen) {
        program_.saveMode = SaveMode::Plain;
        return false;
    }
    // The warning comes before the name changes, so a cancelled save keeps
    // the file that is open.
    if (program_.saveMode != SaveMode::NewFile && !AskSaveNetworkWarning()) {
        program_.saveMode = SaveMode::Plain;
        return false;
    }
    if (program_.saveMode == SaveMode::Plain) {
        program_.saveMode = SaveMode::SaveAs;
    }
    const QString previous = program_.FileName;
    program_.FileName = *chosen;
    const bool saved = RunGuarded([&] { SaveCommand(program_.saveMode); });
    if (!saved) {
        program_.FileName = previous;
    } else {
        AddToHistory(*chosen);
    }
    program_.saveMode = SaveMode::Plain;
    UpdateCommands();
    return saved;
}

void ClientMainWindow::SaveCommand(SaveMode mode) {
    program_.saveMode = mode;
    if (program_.FileName.isEmpty()) {
        SaveAsCommand();
        return;
    }
    if (mode == SaveMode::Plain && !AskSaveNetworkWarning()) {
        return;
    }
    {
        HiddenWhile hidden(tableWindow_);
        WaitCursor wait;
        ScopedProgress progress(context_.progress, QStringLiteral("Saving File"));
        if (mode == SaveMode::NewFile) {
            CreateClientFiles(program_.Files(), program_.table, program_.MemoList, context_.clock);
        } else {
            SaveClientFiles(program_.Files(), program_.table, program_.MemoList, context_.clock,
                            progress.Callback());
        }
    }
    program_.saveMode = SaveMode::Plain;
    SortTable(ClientCol::LastName);
}

void ClientMainWindow::NewFileCommand() {
    RunGuarded([&] { CloseFile(); });
    program_.saveMode = SaveMode::NewFile;
    if (!SaveAsCommand()) {
        UpdateCommands();
        return;
    }
    if (!tableView_) {
        CreateTableView();
    }
    RefreshListView();
    TileWindows();
    UpdateCommands();
}

void ClientMainWindow::CloseFile() {
    const bool wasOpen = program_.IsOpen();
    const ClientFiles files = program_.Files();
    const MemoList memo = program_.MemoList;
    program_.FileName.clear();
    program_.ClearTable();
    program_.CurrentRowNo = 1;
    lastListClick_ = -1;
    ReloadTable();
    RefreshListView();
    UpdateCommands();
    if (wasOpen) {
        WriteMemoFile(files.memoFile, memo);
    }
}

void ClientMainWindow::CloseFileCommand() {
    RunGuarded([&] { CloseFile(); });
    UpdateCommands();
}

void ClientMainWindow::PackCommand() {
    if (!program_.IsOpen()) {
        return;
    }
    if (prompts_.Message(kNetworkWarning,
                         QStringLiteral("Only use this command on networks if ALL other users are "
                                        "not using Pellary5. See relevant help topic for more "
                                        "information."),
                         QMessageBox::Ok | QMessageBox::Cancel,
                         QMessageBox::Warning) != QMessageBox::Ok) {
        return;
    }
    const bool packed = RunGuarded([&] {
        HiddenWhile hidden(tableWindow_);
        WaitCursor wait;
        {
            ScopedProgress progress(context_.progress, QStringLiteral("Packing PL5 File"));
            PackClientFile(program_.Files(), program_.table, program_.MemoList, context_.clock,
                           progress.Callback());
        }
        CloseFile();
    });
    if (packed) {
        ShowError(11090);
    }
    UpdateCommands();
}

void ClientMainWindow::RefreshCommand() {
    RunGuarded([&] {
        if (program_.IsOpen()) {
            CancelFilterCommand();
        }
        if (program_.IsOpen()) {
            ScopedProgress progress(context_.progress,
                                    QStringLiteral("Refresh Screen From Database File"));
            RefreshClientFile(program_.Files(), program_.table, program_.MemoList,
                              progress.Callback());
        }
        SortTable(ClientCol::LastName);
        const int last = program_.table.RowCount() - 1;
        if (last >= 1 && tableView_) {
            SetCurrentRow(last);
        }
    });
    UpdateCommands();
}

void ClientMainWindow::ExportCommand() {
    const std::optional<QString> chosen =
        prompts_.SaveFile({.title = QStringLiteral("Export TXT File"),
                           .folder = FolderPart(program_.FileName),
                           .fileName = ExportDefaultFileName(program_.FileName),
                           .filter = QStringLiteral("ASCII Text Files|*.TXT"),
                           .defaultExtension = QStringLiteral("TXT")});
    if (!chosen) {
        return;
    }
    const bool onlySelected = prompts_.Message(QString::fromLatin1(kExportSelectedTitle),
                                               QString::fromLatin1(kExportSelectedQuestion),
                                               QMessageBox::Yes | QMessageBox::No,
                                               QMessageBox::Question) == QMessageBox::Yes;
    RunGuarded([&] {
        ScopedProgress progress(context_.progress, QString::fromLatin1(kExportProgressText));
        ExportTXTFile(program_.table, *chosen, onlySelected, progress.Callback());
    });
}

void ClientMainWindow::MakeBackupCommand() {
    RunGuarded([&] {
        EnsureFilesDirectory();
        SortTable(ClientCol::RecNo);
        {
            ScopedProgress progress(context_.progress, QString::fromLatin1(kBackupProgressText));
            const BackupFiles written =
                MakeBackup(program_.table, program_.MemoList, program_.FileName,
                           program_.settings.FilesDirectory, program_.settings.BackupCounter,
                           progress.Callback());
            program_.settings.BackupCounter = written.BackupCounter;
        }
        SortTable(ClientCol::RecNo);
    });
}

void ClientMainWindow::RestoreCommand() {
    EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Load Backup File Dialog"),
                           .folder = program_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.txt"),
                           .filter = QStringLiteral("Backup Files|*.txt"),
                           .defaultExtension = QStringLiteral("txt"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    RunGuarded([&] {
        RestoredBackup restored = [&] {
            ScopedProgress progress(context_.progress, QString::fromLatin1(kRestoreProgressText));
            return LoadBackup(*chosen, program_.settings.FilesDirectory, program_.FileName,
                              context_.clock, progress.Callback());
        }();
        if (restored.replacesOtherFile &&
            prompts_.Message(QString::fromLatin1(kRestoreWarningTitle),
                             RestoreReplaceQuestion(restored.FileName),
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::Warning) != QMessageBox::Yes) {
            return;
        }
        {
            HiddenWhile hidden(tableWindow_);
            WaitCursor wait;
            ScopedProgress progress(context_.progress, QStringLiteral("Saving File"));
            SaveRestoredBackup(restored, context_.clock, progress.Callback());
        }
        // The memo lines of a file left for another are kept before they go.
        if (program_.IsOpen() && program_.Files().memoFile != restored.files.memoFile) {
            WriteMemoFile(program_.Files().memoFile, program_.MemoList);
        }
        if (!tableView_) {
            CreateTableView();
        }
        program_.table = std::move(restored.table);
        program_.MemoList = std::move(restored.memo);
        program_.FileName = restored.FileName;
        SortTable(ClientCol::LastName);
    });
    UpdateCommands();
}

void ClientMainWindow::PrinterSetupCommand() {
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    prompts_.Exec(dialog);
}

void ClientMainWindow::WriteDocument(
    const std::function<QString(const ClientDocumentSource&, TAnswer&)>& build) {
    if (!answers_) {
        ShowError(11243);
        return;
    }
    RunGuarded([&] {
        EnsureFilesDirectory();
        const ClientSettings& s = program_.settings;
        const ClientDocumentSource source{
            program_.table,
            program_.MemoList,
            program_.FileName,
            s.FilesDirectory,
            {s.ReturnName, s.ReturnAdrs1, s.ReturnAdrs2, s.ReturnAdrs3},
            context_};
        QString path;
        {
            WaitCursor wait;
            path = build(source, *answers_);
        }
        launcher_.StartWordProcessor(s.WordProcessor, path);
    });
}

void ClientMainWindow::PrintPhoneBookCommand() {
    WriteDocument(SendPhoneBk);
}

void ClientMainWindow::PrintFullPrintoutCommand() {
    WriteDocument(SendFullPO);
}

void ClientMainWindow::PrintLabels5160Command() {
    WriteDocument(SendLaserLabels);
}

void ClientMainWindow::PrintLabels5163Command() {
    WriteDocument(SendLaserLabels2);
}

} // namespace kiv5::ui

// The client main window's file commands: open, reopen, save, new, close,
// pack, refresh, export, backup and restore, and the printed documents.

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/ExportTXTFile.h"
#include "clientdb/core/SendFullPO.h"
#include "clientdb/core/SendLaserLabels.h"
#include "clientdb/core/SendPhoneBk.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "common/core/Misc.h"
#include "common/ui/ExportTarget.h"
#include "common/ui/HistoryMenu.h"
#include "common/ui/NetworkWarning.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/WaitCursor.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>

namespace kiv5::ui {
namespace {

const QString kClientFilter = QStringLiteral("PL5 Name Files|*.PL5");
const QString kSaveWarning =
    QStringLiteral("You may not want to use this command on networks. See relevant help topic "
                   "for more information. Click Ok to continue with save.");
const QString kPackWarning =
    QStringLiteral("Only use this command on networks if ALL other users are not using "
                   "Pellary5. See relevant help topic for more information.");

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

void ClientMainWindow::OpenFile(const QString& name, const QString& progressText) {
    const bool opened =
        RunWithProgress(progressText, [&](const auto& progress) { ws_.Open(name, progress); });
    mdi_->tileSubWindows();
    if (opened && ws_.Table().RowCount() > 1) {
        views_->SetCurrentRow(1);
    }
}

void ClientMainWindow::AddToHistory(const QString& name) {
    if (ws_.settings.History.Add(name)) {
        RebuildHistoryMenu();
    }
}

void ClientMainWindow::RebuildHistoryMenu() {
    RebuildHistory(actions_.FileMenu, actions_.HistorySeparator, ws_.settings.History.Entries(),
                   [this](int index) { ReopenCommand(index); });
}

void ClientMainWindow::OpenFileCommand() {
    ws_.EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Open File Dialog"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.PL5"),
                           .filter = kClientFilter,
                           .mustExist = true});
    if (!chosen || !RunGuarded([&] { ws_.Close(); })) {
        return;
    }
    views_->RecreateViews();
    OpenFile(*chosen, QStringLiteral("Opening File"));
    if (ws_.IsOpen()) {
        AddToHistory(*chosen);
    }
}

void ClientMainWindow::ReopenCommand(int historyIndex) {
    const QString name = ws_.settings.History.Reopen(historyIndex);
    if (name.isEmpty() || !RunGuarded([&] { ws_.Close(); })) {
        return;
    }
    // A table view the user closed comes back with the next file.
    views_->CreateTableView();
    if (ws_.settings.DisplayListView) {
        views_->CreateListView();
    }
    {
        WaitCursor wait;
        OpenFile(name, QStringLiteral("Opening File - Hx List"));
    }
    RebuildHistoryMenu();
}

bool ClientMainWindow::SaveAsCommand(SaveMode mode) {
    ws_.EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.SaveFile({.title = QStringLiteral("Save File Dialog"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.PL5"),
                           .filter = kClientFilter,
                           .defaultExtension = QStringLiteral("PL5"),
                           .askOverwrite = true});
    // The warning comes before the name changes, so a cancelled save keeps
    // the file that is open.
    if (!chosen || (mode != SaveMode::NewFile && !AskNetworkWarning(prompts_, kSaveWarning))) {
        return false;
    }
    const bool saved = RunGuarded([&] {
        HiddenWhile hidden(views_->TableWindow());
        WaitCursor wait;
        ScopedProgress progress(context_.progress, QStringLiteral("Saving File"));
        ws_.Save(mode, *chosen, progress.Callback());
    });
    if (saved) {
        AddToHistory(*chosen);
    }
    return saved;
}

void ClientMainWindow::NewFileCommand() {
    if (!RunGuarded([&] { ws_.Close(); }) || !SaveAsCommand(SaveMode::NewFile)) {
        return;
    }
    views_->CreateTableView();
    mdi_->tileSubWindows();
}

void ClientMainWindow::CloseFileCommand() {
    views_->ForgetListAnchor();
    RunGuarded([&] { ws_.Close(); });
}

void ClientMainWindow::PackCommand() {
    if (!ws_.IsOpen() || !AskNetworkWarning(prompts_, kPackWarning)) {
        return;
    }
    const bool packed = RunGuarded([&] {
        HiddenWhile hidden(views_->TableWindow());
        WaitCursor wait;
        ScopedProgress progress(context_.progress, QStringLiteral("Packing PL5 File"));
        ws_.Pack(progress.Callback());
    });
    if (packed) {
        ShowError(11090);
    }
}

void ClientMainWindow::RefreshCommand() {
    int last = 0;
    RunWithProgress(QStringLiteral("Refresh Screen From Database File"),
                    [&](const auto& progress) { last = ws_.Refresh(progress); });
    if (last >= 1) {
        views_->SetCurrentRow(last);
    }
}

void ClientMainWindow::ExportCommand() {
    const auto target = kiv5::ui::AskExportTarget(prompts_, FolderPart(ws_.FileName()),
                                                  ExportDefaultFileName(ws_.FileName()), false);
    if (!target) {
        return;
    }
    RunWithProgress(QString::fromLatin1(kExportProgressText), [&](const auto& progress) {
        ws_.Export(target->path, target->onlySelected, progress);
    });
}

void ClientMainWindow::MakeBackupCommand() {
    RunWithProgress(QString::fromLatin1(kBackupProgressText),
                    [&](const auto& progress) { ws_.Backup(progress); });
}

void ClientMainWindow::RestoreCommand() {
    ws_.EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Load Backup File Dialog"),
                           .folder = ws_.settings.FilesDirectory,
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
            return ws_.ReadBackup(*chosen, progress.Callback());
        }();
        if (restored.replacesOtherFile &&
            prompts_.Message(QString::fromLatin1(kRestoreWarningTitle),
                             RestoreReplaceQuestion(restored.FileName),
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::Warning) != QMessageBox::Yes) {
            return;
        }
        HiddenWhile hidden(views_->TableWindow());
        WaitCursor wait;
        ScopedProgress progress(context_.progress, QStringLiteral("Saving File"));
        views_->CreateTableView();
        ws_.Restore(restored, progress.Callback());
    });
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
        ws_.EnsureFilesDirectory();
        const ClientSettings& s = ws_.settings;
        const ClientDocumentSource source{
            ws_.Table(),
            ws_.Memo(),
            ws_.FileName(),
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

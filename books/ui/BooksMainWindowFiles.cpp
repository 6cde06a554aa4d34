// The set commands of the bookkeeping main window.

#include "books/ui/BooksMainWindow.h"
#include "books/ui/NameListDialogs.h"
#include "common/ui/DefaultDirectoryDialog.h"
#include "common/ui/ExportTarget.h"
#include "common/ui/NetworkWarning.h"
#include "common/ui/Prompts.h"

namespace kiv5::books::ui {
namespace {

const QString kSu5Filter = QStringLiteral("SU5 Bookkeeping Files|*.SU5");

const QString kSaveAsNetworkText =
    QStringLiteral("This command should not be used on networks when users at other stations "
                   "may be using the same files. See relevant help topic for more information.");
const QString kPackNetworkText =
    QStringLiteral("Only use this command on networks if ALL other users are NOT using Sumora5. "
                   "See relevant help topic for more information.");

} // namespace

std::optional<QString> BooksMainWindow::AskSetName() {
    return prompts_.SaveFile({.title = QStringLiteral("Save As"),
                              .folder = ws_.settings.FilesDirectory,
                              .fileName = QStringLiteral("*.SU5"),
                              .filter = kSu5Filter,
                              .defaultExtension = QStringLiteral("SU5"),
                              .askOverwrite = true});
}

void BooksMainWindow::LoadSet(const std::function<void(const StepProgress&)>& load) {
    views_->StoreColumnWidths();
    RunWithSteps(load);
    views_->Tile();
    RebuildHistoryMenu();
    UpdateMenuItems();
}

void BooksMainWindow::OpenCommand() {
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Open File Dialog"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.SU5"),
                           .filter = kSu5Filter,
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    LoadSet([this, &chosen](const StepProgress& steps) { ws_.Open(*chosen, steps); });
}

void BooksMainWindow::ReopenCommand(int historyIndex) {
    const QString name = ws_.settings.History.Reopen(historyIndex);
    if (name.isEmpty()) {
        return;
    }
    LoadSet([this, &name](const StepProgress& steps) { ws_.Load(name, steps); });
}

void BooksMainWindow::RefreshCommand() {
    LoadSet([this](const StepProgress& steps) { ws_.Refresh(steps); });
}

void BooksMainWindow::NewCommand() {
    // The name comes first: a cancelled question leaves the open set alone.
    const std::optional<QString> chosen = AskSetName();
    if (!chosen) {
        return;
    }
    RunWithSteps([this, &chosen](const StepProgress& steps) { ws_.New(*chosen, steps); });
    RebuildHistoryMenu();
    UpdateMenuItems();
}

bool BooksMainWindow::SaveAsCommand() {
    const std::optional<QString> chosen = AskSetName();
    if (!chosen || !kiv5::ui::AskNetworkWarning(prompts_, kSaveAsNetworkText)) {
        return false;
    }
    const bool saved =
        RunWithSteps([this, &chosen](const StepProgress& steps) { ws_.SaveAs(*chosen, steps); });
    RebuildHistoryMenu();
    UpdateMenuItems();
    return saved;
}

void BooksMainWindow::CloseCommand() {
    RunWithSteps([this](const StepProgress& steps) { ws_.Close(steps); });
    UpdateMenuItems();
}

void BooksMainWindow::PackCommand() {
    if (!ws_.IsOpen() || !kiv5::ui::AskNetworkWarning(prompts_, kPackNetworkText)) {
        return;
    }
    if (RunWithSteps([this](const StepProgress& steps) { ws_.Pack(steps); })) {
        ShowError(11090);
    }
    UpdateMenuItems();
}

void BooksMainWindow::ExportCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    const auto target =
        kiv5::ui::AskExportTarget(prompts_, ws_.ExportFolder(), ws_.ExportFileName(), true);
    if (!target) {
        return;
    }
    RunWithSteps([this, &target](const StepProgress& steps) {
        ws_.Export(target->path, target->onlySelected, steps);
    });
}

void BooksMainWindow::MakeBackupCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    RunWithSteps([this](const StepProgress& steps) { ws_.Backup(steps); });
}

void BooksMainWindow::RestoreCommand() {
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Load Backup File Dialog"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.bkp"),
                           .filter = QStringLiteral("Backup Files|*.bkp"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    RunWithSteps([this, &chosen](const StepProgress& steps) { ws_.Restore(*chosen, steps); });
    UpdateMenuItems();
}

void BooksMainWindow::SetPl5FileCommand() {
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Set PL5 File Dialog"),
                           .folder = ws_.settings.PL5Directory,
                           .fileName = ws_.settings.PL5FileName,
                           .filter = QStringLiteral("PL5 Bookkeeping Files|*.PL5"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    RunGuarded([this, &chosen] { ws_.SetPL5File(*chosen); });
}

void BooksMainWindow::SetDefaultDirectoryCommand(int kind) {
    const kiv5::ui::DefaultDirectoryKind* found =
        kiv5::ui::FindDefaultDirectoryKind(kiv5::Program::Bookkeeping, kind);
    if (!found) {
        return;
    }
    QString& folder = ws_.DefaultDirectory(kind);
    kiv5::ui::DefaultDirectoryDialog dialog(*found, folder, context_.errors, this);
    dialog.SetHelpHandler([this](int topic) { ShowHelp(topic); });
    prompts_.Exec(dialog);
    // The open set keeps its folder; the choice applies from the next
    // Open, New or Save As.
    if (!dialog.Folder().isEmpty()) {
        folder = dialog.Folder();
    }
}

void BooksMainWindow::AccountEditorCommand() {
    RunGuarded([this] {
        NameListEditor editor(NameList::Accounts, ws_.ReadAccounts(), prompts_, this);
        if (prompts_.Exec(editor) == QDialog::Accepted) {
            ws_.SetAccounts(editor.Names());
        }
    });
}

void BooksMainWindow::CategoryEditorCommand() {
    RunGuarded([this] {
        NameListEditor editor(NameList::Categories, ws_.ReadCategories(), prompts_, this);
        if (prompts_.Exec(editor) == QDialog::Accepted) {
            ws_.SetCategories(editor.Names());
        }
    });
}

} // namespace kiv5::books::ui

// The file, backup, export and link commands of the billing main window.

#include "billing/ui/QuenbyMainWindow.h"
#include "common/core/Misc.h"
#include "common/ui/DefaultDirectoryDialog.h"
#include "common/ui/ExportTarget.h"
#include "common/ui/NetworkWarning.h"
#include "common/ui/Prompts.h"
#include "common/ui/WaitCursor.h"
#include "common/ui/WordProcessorDialog.h"

namespace kiv5::billing::ui {
namespace {

const QString kQy5Filter = QStringLiteral("QY5 Billing Files|*.qy5");

const QString kNetworkText =
    QStringLiteral("This command should not be used on networks when users at other stations "
                   "may be using the same files. See relevant help topic for more information.");

constexpr int kWordProcessorTopic = 706;

} // namespace

std::optional<QString> QuenbyMainWindow::AskBillingFileName() {
    ws_.EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.SaveFile({.title = QStringLiteral("Save As"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.qy5"),
                           .filter = kQy5Filter,
                           .defaultExtension = QStringLiteral("QY5")});
    if (!chosen) {
        return std::nullopt;
    }
    // The bills go to the data file in the billing files folder, whatever
    // folder the dialog showed: that is the file a replacement would lose.
    if (ws_.DataFileExists(*chosen) &&
        prompts_.Message(QStringLiteral("Confirm Save As"),
                         ws_.DataFileFor(*chosen) +
                             QStringLiteral(" already exists.\nDo you want to replace it?"),
                         QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Warning) != QMessageBox::Yes) {
        return std::nullopt;
    }
    return chosen;
}

void QuenbyMainWindow::NewCommand() {
    // The name comes first: a cancelled question leaves the open file alone.
    const std::optional<QString> chosen = AskBillingFileName();
    if (!chosen) {
        return;
    }
    RunGuarded([this, &chosen] { ws_.New(*chosen); });
    AfterFileChange();
}

void QuenbyMainWindow::OpenCommand() {
    ws_.EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Open File Dialog"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.qy5"),
                           .filter = QStringLiteral("QY5 Billing Files|*.QY5"),
                           .defaultExtension = QStringLiteral("qy5"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    StoreColumnWidths();
    {
        kiv5::ui::WaitCursor wait;
        RunGuarded([this, &chosen] { ws_.Open(*chosen); });
    }
    AfterFileChange();
}

void QuenbyMainWindow::ReopenCommand(int historyIndex) {
    StoreColumnWidths();
    {
        kiv5::ui::WaitCursor wait;
        RunGuarded([this, historyIndex] { ws_.Reopen(historyIndex); });
    }
    AfterFileChange();
}

bool QuenbyMainWindow::SaveAsCommand() {
    if (!ws_.IsOpen()) {
        return false;
    }
    const std::optional<QString> chosen = AskBillingFileName();
    // The warning comes before anything is renamed.
    if (!chosen || !kiv5::ui::AskNetworkWarning(prompts_, kNetworkText)) {
        return false;
    }
    const bool saved = RunGuarded([this, &chosen] { ws_.SaveAs(*chosen); });
    AfterFileChange();
    return saved;
}

void QuenbyMainWindow::CloseCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    AutomaticBackupOutcome outcome;
    RunWithSteps([this, &outcome](const StepProgress& steps) { outcome = ws_.Close(steps); });
    ShowBackupFailures(outcome);
    AfterFileChange();
}

void QuenbyMainWindow::ExportCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    const auto target =
        kiv5::ui::AskExportTarget(prompts_, FolderPart(ws_.FileName()), ws_.ExportFileName(), true);
    if (!target) {
        return;
    }
    RunWithSteps([this, &target](const StepProgress& steps) {
        ws_.Export(target->path, target->onlySelected, steps);
    });
}

void QuenbyMainWindow::MakeBillingBackupCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    RunWithSteps([this](const StepProgress& steps) { ws_.MakeBillingBackup(steps); });
}

void QuenbyMainWindow::MakeCalendarBackupCommand() {
    RunWithSteps([this](const StepProgress& steps) { ws_.MakeCalendarBackup(steps); });
}

void QuenbyMainWindow::RestoreBillingBackupCommand() {
    ws_.EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Restore From Billing Backup"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("*.bkp"),
                           .filter = QStringLiteral("Billing Backup Files|*.bkp"),
                           .defaultExtension = QStringLiteral("bkp"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    StoreColumnWidths();
    RunWithSteps(
        [this, &chosen](const StepProgress& steps) { ws_.RestoreBillingBackup(*chosen, steps); });
    AfterFileChange();
}

void QuenbyMainWindow::RestoreCalendarBackupCommand() {
    ws_.EnsureFilesDirectory();
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Load Calendar File Dialog"),
                           .folder = ws_.settings.FilesDirectory,
                           .fileName = QStringLiteral("orvcal5.txt_*"),
                           .filter = QStringLiteral("Calendar Backup Files|orvcal5.txt_*"),
                           .defaultExtension = QStringLiteral("txt"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    RunWithSteps(
        [this, &chosen](const StepProgress& steps) { ws_.RestoreCalendarBackup(*chosen, steps); });
}

void QuenbyMainWindow::SetPl5FileCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Set PL5 File Dialog"),
                           .folder = ws_.settings.PL5Directory,
                           .fileName = FileNamePart(ws_.settings.PL5FileName),
                           .filter = QStringLiteral("PL5 Bookkeeping Files|*.PL5"),
                           .defaultExtension = QStringLiteral("pl5"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    RunGuarded([this, &chosen] { ws_.SetPL5File(*chosen); });
}

void QuenbyMainWindow::SetSu5FileCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    const std::optional<QString> chosen =
        prompts_.OpenFile({.title = QStringLiteral("Set SU5 File Dialog"),
                           .folder = ws_.settings.SU5Directory,
                           .fileName = FileNamePart(ws_.settings.SU5FileName),
                           .filter = QStringLiteral("SU5 Bookkeeping Files|*.SU5"),
                           .defaultExtension = QStringLiteral("su5"),
                           .mustExist = true});
    if (!chosen) {
        return;
    }
    int code = 0;
    if (RunGuarded([this, &chosen, &code] { code = ws_.SetSU5File(*chosen); }) && code != 0) {
        ShowError(code);
    }
}

void QuenbyMainWindow::SetDefaultDirectoryCommand(int kind) {
    const kiv5::ui::DefaultDirectoryKind* found =
        kiv5::ui::FindDefaultDirectoryKind(kiv5::Program::Billing, kind);
    if (!found) {
        return;
    }
    const BillingSettings& s = ws_.settings;
    const QString current = kind == 0   ? s.FilesDirectory
                            : kind == 1 ? s.SU5Directory
                            : kind == 2 ? s.PL5Directory
                                        : s.ISDirectory;
    kiv5::ui::DefaultDirectoryDialog dialog(*found, current, context_.errors, this);
    dialog.SetHelpHandler([this](int topic) { ShowHelp(topic); });
    prompts_.Exec(dialog);
    // The open file keeps its folder; the choice applies from the next
    // Open, New or Save As.
    if (!dialog.Folder().isEmpty()) {
        ws_.SetDefaultDirectory(kind, dialog.Folder());
    }
}

void QuenbyMainWindow::SetWordProcessorCommand() {
    kiv5::ui::SetWordProcessorDialog dialog(ws_.settings.WordProcessor, kWordProcessorTopic, this);
    dialog.SetHelpHandler([this](int topic) { ShowHelp(topic); });
    prompts_.Exec(dialog);
    ws_.settings.WordProcessor = dialog.WordProcessor();
}

} // namespace kiv5::billing::ui

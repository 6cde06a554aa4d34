// The client main window's options and help commands, and the wiring of
// every menu item and tool-bar button to its command.

#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/ReturnAddressDialog.h"
#include "common/core/ErrorCatalogue.h"
#include "common/core/HelpPages.h"
#include "common/ui/AboutBox.h"
#include "common/ui/DefaultDirectoryDialog.h"
#include "common/ui/DefaultDirectoryKind.h"
#include "common/ui/Prompts.h"
#include "common/ui/WordProcessorDialog.h"

#include <QMdiArea>

namespace kiv5::ui {
namespace {

constexpr int kWordProcessorTopic = 706;

} // namespace

void ClientMainWindow::ConnectActions() {
    const ClientActions& a = actions_;
    ClientRecords* r = records_;
    const auto on = [this](QAction* action, void (ClientMainWindow::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    };
    on(a.New, &ClientMainWindow::NewFileCommand);
    on(a.Open, &ClientMainWindow::OpenFileCommand);
    connect(a.SaveAs, &QAction::triggered, this, [this] { SaveAsCommand(); });
    on(a.Close, &ClientMainWindow::CloseFileCommand);
    on(a.PrintPhoneBook, &ClientMainWindow::PrintPhoneBookCommand);
    on(a.PrintFullPrintout, &ClientMainWindow::PrintFullPrintoutCommand);
    on(a.PrintLabels5160, &ClientMainWindow::PrintLabels5160Command);
    on(a.PrintLabels5163, &ClientMainWindow::PrintLabels5163Command);
    on(a.PrinterSetup, &ClientMainWindow::PrinterSetupCommand);
    on(a.ExportTxt, &ClientMainWindow::ExportCommand);
    on(a.MakeBackup, &ClientMainWindow::MakeBackupCommand);
    on(a.RestoreBackup, &ClientMainWindow::RestoreCommand);
    connect(a.Exit, &QAction::triggered, this, &QWidget::close);
    connect(a.ToolExit, &QAction::triggered, this, &QWidget::close);

    for (QAction* add : {a.AddName, a.ToolAdd}) {
        connect(add, &QAction::triggered, r, &ClientRecords::Add);
    }
    for (QAction* del : {a.DeleteSelected, a.ToolDelete}) {
        connect(del, &QAction::triggered, r, &ClientRecords::DeleteSelected);
    }
    connect(a.DisplayCurrentRecord, &QAction::triggered, r, &ClientRecords::Display);
    for (QAction* find : {a.FastFind, a.ToolFind}) {
        connect(find, &QAction::triggered, r, &ClientRecords::FastFind);
    }
    connect(a.First, &QAction::triggered, r, &ClientRecords::First);
    connect(a.Last, &QAction::triggered, r, &ClientRecords::Last);
    for (QAction* filter : {a.SetFilter, a.ToolFilter}) {
        on(filter, &ClientMainWindow::SetFilterCommand);
    }
    for (QAction* cancel : {a.CancelFilter, a.ToolCancelFilter}) {
        on(cancel, &ClientMainWindow::CancelFilterCommand);
    }
    on(a.SelectAll, &ClientMainWindow::SelectAllCommand);
    on(a.SelectNone, &ClientMainWindow::SelectNoneCommand);
    for (QAction* copy : {a.Copy, a.ToolCopy}) {
        connect(copy, &QAction::triggered, r, &ClientRecords::Copy);
    }
    for (QAction* paste : {a.Paste, a.ToolPaste}) {
        connect(paste, &QAction::triggered, r, &ClientRecords::Paste);
    }
    on(a.Refresh, &ClientMainWindow::RefreshCommand);

    on(a.Pack, &ClientMainWindow::PackCommand);
    on(a.Autoload, &ClientMainWindow::ToggleAutoloadCommand);
    on(a.AutomaticBackup, &ClientMainWindow::ToggleAutomaticBackupCommand);
    for (QAction* hide : {a.HideShowColumns, a.ToolHideColumns}) {
        connect(hide, &QAction::triggered, views_, &ClientViews::HideShowColumns);
    }
    connect(a.ListViewFont, &QAction::triggered, views_, &ClientViews::ChooseListFont);
    connect(a.TableViewFont, &QAction::triggered, views_, &ClientViews::ChooseTableFont);
    on(a.DisplayListView, &ClientMainWindow::ToggleListViewCommand);
    on(a.SetWordProcessor, &ClientMainWindow::SetWordProcessorCommand);
    on(a.SetDefaultDirectory, &ClientMainWindow::SetDefaultDirectoryCommand);
    on(a.SetReturnAddress, &ClientMainWindow::SetReturnAddressCommand);

    connect(a.Tile, &QAction::triggered, mdi_, &QMdiArea::tileSubWindows);
    connect(a.Cascade, &QAction::triggered, mdi_, &QMdiArea::cascadeSubWindows);

    on(a.Contents, &ClientMainWindow::ContentsCommand);
    on(a.Manual, &ClientMainWindow::ManualCommand);
    on(a.About, &ClientMainWindow::AboutCommand);
    connect(a.DownloadUpgrade, &QAction::triggered, this, [this] { upgrade_.DownloadCommand(); });
}

void ClientMainWindow::ToggleAutoloadCommand() {
    ws_.SetAutoload(!ws_.AutoloadChecked);
    UpdateCommands();
}

void ClientMainWindow::ToggleListViewCommand() {
    // The list shows again from the next opening of a file.
    ws_.settings.DisplayListView = !ws_.settings.DisplayListView;
    views_->CloseListView();
    UpdateCommands();
}

void ClientMainWindow::ToggleAutomaticBackupCommand() {
    ws_.settings.AutomaticBackupFlag = !ws_.settings.AutomaticBackupFlag;
    UpdateCommands();
}

void ClientMainWindow::SetWordProcessorCommand() {
    SetWordProcessorDialog dialog(ws_.settings.WordProcessor, kWordProcessorTopic, this);
    dialog.SetHelpHandler([this](int topic) { ShowHelp(topic); });
    prompts_.Exec(dialog);
    ws_.settings.WordProcessor = dialog.WordProcessor();
}

void ClientMainWindow::SetDefaultDirectoryCommand() {
    const DefaultDirectoryKind* kind = FindDefaultDirectoryKind(kiv5::Program::Client, 0);
    if (!kind) {
        return;
    }
    DefaultDirectoryDialog dialog(*kind, ws_.settings.FilesDirectory, context_.errors, this);
    dialog.SetHelpHandler([this](int topic) { ShowHelp(topic); });
    prompts_.Exec(dialog);
    // The open file stays where it was opened; the folder applies from the
    // next Open, New or Save As.
    ws_.SetFilesDirectory(dialog.Folder());
}

void ClientMainWindow::SetReturnAddressCommand() {
    ClientSettings& s = ws_.settings;
    ReturnAddressDialog dialog({s.ReturnName, s.ReturnAdrs1, s.ReturnAdrs2, s.ReturnAdrs3}, this);
    if (prompts_.Exec(dialog) != QDialog::Accepted) {
        return;
    }
    const QStringList lines = dialog.Lines();
    s.ReturnName = lines.value(0);
    s.ReturnAdrs1 = lines.value(1);
    s.ReturnAdrs2 = lines.value(2);
    s.ReturnAdrs3 = lines.value(3);
}

void ClientMainWindow::ContentsCommand() {
    ShowHelp(0);
}

void ClientMainWindow::ShowHelp(int topic) {
    help_.Show(topic);
}

void ClientMainWindow::ManualCommand() {
    const QString path = ManualPath(context_.folders);
    if (path.isEmpty() || !launcher_.OpenDocument(path)) {
        ShowError(11890);
    }
}

void ClientMainWindow::AboutCommand() {
    ShowAboutBox(prompts_, kiv5::Program::Client, this);
}

} // namespace kiv5::ui

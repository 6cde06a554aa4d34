#include "clientdb/ui/ClientMainWindow.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/ClientListEntries.h"
#include "clientdb/ui/ClientListView.h"
#include "clientdb/ui/ClientTableLook.h"
#include "clientdb/ui/EntryForm.h"
#include "common/core/ErrorCatalogue.h"
#include "common/core/Misc.h"
#include "common/ui/AboutBox.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/HistoryMenu.h"
#include "common/ui/ProgramEmblem.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace kiv5::ui {
namespace {

int PrimaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

} // namespace

ClientMainWindow::ClientMainWindow(Prompts& prompts, ClientStartOptions options, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), options_(std::move(options)),
      help_(QStringLiteral("pellary5"), context_.folders, this),
      program_(PrimaryScreenWidth(), context_.clock),
      launcher_(
          [&prompts](const QString& title, const QString& text) {
              prompts.Message(title, text, QMessageBox::Ok, QMessageBox::Critical);
          },
          options_.launchPlatform) {
    context_.errors = MakeErrorWindowSink(prompts);
    setObjectName(QStringLiteral("ClientMainWindow"));
    setWindowIcon(QIcon(DrawProgramEmblem(kiv5::Program::Client, 64)));
    actions_ = CreateClientActions(*this);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    logo_ = new QLabel(mdi_);
    logo_->setObjectName(QStringLiteral("logoPanel"));
    logo_->setPixmap(DrawProgramEmblem(kiv5::Program::Client, 160));
    logo_->setAlignment(Qt::AlignCenter);
    model_ = new RecordTableModel(program_.table, program_.profile, program_.sort,
                                  ClientTableLook(), this);
    ConnectActions();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateCommands(); });
    UpdateCommands();
}

ClientMainWindow::~ClientMainWindow() {
    disconnect(mdi_, nullptr, this, nullptr);
    // Settings are written only over settings that were read.
    if (started_) {
        StoreColumnWidths();
        WriteSettings();
    }
}

void ClientMainWindow::ShowError(int code) {
    // Through this window's own prompts, so that each window reports to its
    // own user.
    QApplication::beep();
    ShowErrorWindowSafely(prompts_, code);
}

bool ClientMainWindow::IsFormOpen() const {
    return form_ && form_->isVisible();
}

int ClientMainWindow::CurrentRow() const {
    return tableView_ ? tableView_->CurrentTableRow() : 0;
}

bool ClientMainWindow::RunGuarded(const std::function<void()>& command) {
    CommandGuard guard(prompts_, context_.progress);
    if (tableWindow_) {
        guard.ReshowOnError(tableWindow_);
    }
    return guard.Run(command);
}

void ClientMainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!started_) {
        StartUp();
    }
}

void ClientMainWindow::StartUp() {
    if (started_) {
        return;
    }
    started_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    SettingsStore store = ClientSettingsStore();
    ReadTheIniFile(program_.settings, store, program_.screenWidth, context_.errors);
    program_.AutoloadChecked = !program_.settings.AutoFileName.isEmpty();
    UseReachableFilesDirectory();
    CreateTableView();
    if (program_.settings.DisplayListView) {
        CreateListView();
    }
    const QString argument = options_.arguments.value(0);
    TileWindows();
    if (!argument.isEmpty()) {
        RunGuarded([&] { LoadClientFile(argument, QStringLiteral("Command Line-Opening File")); });
    } else if (program_.AutoloadChecked) {
        RunGuarded([&] {
            LoadClientFile(program_.settings.AutoFileName, QStringLiteral("Auto-Opening File"));
        });
    }
    // The upgrade check would run here.
    AboutBox* splash = nullptr;
    if (options_.splash) {
        splash = new AboutBox(kiv5::Program::Client);
        splash->MakeSplash();
        splash->show();
    }
    try {
        answers_ = std::make_unique<TAnswer>(DocumentProgram::Client);
    } catch (const std::exception&) {
        ShowError(11243);
    }
    if (splash) {
        splash->StartTimer();
    }
    RebuildHistoryMenu();
    UpdateCommands();
}

void ClientMainWindow::closeEvent(QCloseEvent* event) {
    if (IsFormOpen()) {
        event->ignore();
        return;
    }
    if (!exited_) {
        ExitSteps();
    }
    event->accept();
    QMainWindow::closeEvent(event);
}

void ClientMainWindow::ExitSteps() {
    exited_ = true;
    RunGuarded([&] {
        if (program_.IsOpen()) {
            WriteMemoFile(program_.Files().memoFile, program_.MemoList);
        }
    });
    program_.settings.AutoFileName = program_.AutoloadChecked ? program_.FileName : QString();
    if (program_.IsOpen() && program_.settings.AutomaticBackupFlag) {
        MakeBackupCommand();
    }
}

bool ClientMainWindow::WriteSettings() {
    SettingsStore store = ClientSettingsStore();
    ClientSettings settings = program_.settings;
    if (!program_.unreachedFilesDirectory.isEmpty()) {
        settings.FilesDirectory = program_.unreachedFilesDirectory;
    }
    return WriteTheIniFile(settings, store, context_.errors);
}

void ClientMainWindow::UpdateCommands() {
    const bool open = program_.IsOpen();
    logo_->setVisible(mdi_->subWindowList().isEmpty());
    logo_->resize(mdi_->viewport()->size());
    for (QAction* action :
         {actions_.ToolAdd, actions_.ToolDelete, actions_.ToolFind, actions_.ToolCopy,
          actions_.ToolPaste, actions_.ToolFilter, actions_.ToolCancelFilter, actions_.AddName,
          actions_.DeleteSelected, actions_.Pack, actions_.Autoload}) {
        action->setEnabled(open);
    }
    const bool hasTable = tableView_ != nullptr;
    actions_.ToolHideColumns->setEnabled(hasTable);
    actions_.HideShowColumns->setEnabled(hasTable);
    actions_.AutomaticBackup->setChecked(program_.settings.AutomaticBackupFlag);
    actions_.Autoload->setChecked(program_.AutoloadChecked);
    actions_.DisplayListView->setChecked(program_.settings.DisplayListView);
    actions_.DownloadUpgrade->setEnabled(false);
    const qsizetype memoLines = program_.MemoList.size();
    const int rows = program_.table.RowCount();
    actions_.MemoListLabel->setText(QStringLiteral("MemoList:%1; %2").arg(memoLines).arg(rows));
    const bool agree = memoLines == rows && memoLines > 0;
    actions_.MemoListLabel->setStyleSheet(agree ? QStringLiteral("color: black;")
                                                : QStringLiteral("color: red;"));
    setWindowTitle(QStringLiteral("Pellary5: ") + FileNamePart(program_.FileName));
}

} // namespace kiv5::ui

#include "clientdb/ui/ClientMainWindow.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/ClientTableLook.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/ui/AboutBox.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/HistoryMenu.h"
#include "common/ui/ProgramEmblem.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableModel.h"

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

QString MemoNotWrittenText(const QString& reason) {
    return QStringLiteral("The memo lines could not be written, so the memos changed since the "
                          "file was saved would be lost:\n%1\n\nRetry to try again, Ignore to "
                          "exit anyway, Cancel to stay in Pellary5.")
        .arg(reason);
}

} // namespace

ClientMainWindow::ClientMainWindow(Prompts& prompts, ClientStartOptions options, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), options_(std::move(options)),
      help_(QStringLiteral("pellary5"), context_.folders, this),
      ws_(PrimaryScreenWidth(), context_),
      launcher_(Launcher::ReportingTo(prompts, options_.launchPlatform)),
      upgrade_(
          prompts_, ws_.settings, launcher_, context_.progress,
          [this](int topic) { ShowHelp(topic); }, this) {
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
    views_ = new ClientViews(ws_, prompts_, context_.progress, *mdi_, this);
    records_ = new ClientRecords(ws_, prompts_, *views_, context_, this);
    connect(records_, &ClientRecords::CommandsChanged, this, [this] { UpdateCommands(); });
    // Queued: the closing window is still half there when it says so.
    connect(
        views_, &ClientViews::ViewClosed, this, [this] { UpdateCommands(); }, Qt::QueuedConnection);
    connect(&ws_, &ClientWorkspace::FileChanged, this, [this] { UpdateCommands(); });
    ConnectActions();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateCommands(); });
    UpdateCommands();
}

ClientMainWindow::~ClientMainWindow() {
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(&ws_, nullptr, this, nullptr);
    disconnect(views_, nullptr, this, nullptr);
    // Settings are written only over settings that were read.
    if (started_) {
        views_->StoreColumnWidths();
        SettingsStore store = ClientSettingsStore();
        WriteTheIniFile(ws_.SettingsToStore(), store, context_.errors);
    }
}

void ClientMainWindow::ShowError(int code) {
    context_.ErrorWindow(code);
}

CommandGuard ClientMainWindow::Guard() {
    CommandGuard guard(prompts_, context_.progress);
    if (QWidget* table = views_->TableWindow()) {
        guard.ReshowOnError(table);
    }
    return guard;
}

bool ClientMainWindow::RunGuarded(const std::function<void()>& command) {
    return Guard().Run(command);
}

bool ClientMainWindow::RunWithProgress(const QString& text,
                                       const std::function<void(const PercentProgress&)>& call) {
    return Guard().RunWithProgress(text, call);
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
    ReadTheIniFile(ws_.settings, store, ws_.screenWidth, context_.errors);
    ws_.AutoloadChecked = !ws_.settings.AutoFileName.isEmpty();
    if (const QString warning = ws_.UseReachableFilesDirectory(); !warning.isEmpty()) {
        prompts_.Message(QStringLiteral("Default Directory"), warning, QMessageBox::Ok,
                         QMessageBox::Warning);
    }
    views_->CreateTableView();
    if (ws_.settings.DisplayListView) {
        views_->CreateListView();
    }
    mdi_->tileSubWindows();
    if (const QString argument = options_.arguments.value(0); !argument.isEmpty()) {
        OpenFile(argument, QStringLiteral("Command Line-Opening File"));
    } else if (ws_.AutoloadChecked) {
        OpenFile(ws_.settings.AutoFileName, QStringLiteral("Auto-Opening File"));
    }
    upgrade_.CheckAtStartUp();
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
    if (IsFormOpen() || (!exited_ && !ExitSteps())) {
        event->ignore();
        return;
    }
    event->accept();
    QMainWindow::closeEvent(event);
}

bool ClientMainWindow::ExitSteps() {
    for (;;) {
        try {
            ws_.WriteMemo();
            break;
        } catch (const Kiv5Error& error) {
            const QMessageBox::StandardButton answer =
                prompts_.Message(QStringLiteral("Exit"), MemoNotWrittenText(error.Message()),
                                 QMessageBox::Retry | QMessageBox::Ignore | QMessageBox::Cancel,
                                 QMessageBox::Warning);
            if (answer == QMessageBox::Ignore) {
                break;
            }
            if (answer != QMessageBox::Retry) {
                return false;
            }
        }
    }
    exited_ = true;
    ws_.settings.AutoFileName = ws_.AutoloadChecked ? ws_.FileName() : QString();
    if (ws_.IsOpen() && ws_.settings.AutomaticBackupFlag) {
        MakeBackupCommand();
    }
    return true;
}

void ClientMainWindow::UpdateCommands() {
    const bool open = ws_.IsOpen();
    logo_->setVisible(mdi_->subWindowList().isEmpty());
    logo_->resize(mdi_->viewport()->size());
    for (QAction* action :
         {actions_.ToolAdd, actions_.ToolDelete, actions_.ToolFind, actions_.ToolCopy,
          actions_.ToolPaste, actions_.ToolFilter, actions_.ToolCancelFilter, actions_.AddName,
          actions_.DeleteSelected, actions_.Pack, actions_.Autoload}) {
        action->setEnabled(open);
    }
    const bool hasTable = views_->TableView() != nullptr;
    actions_.ToolHideColumns->setEnabled(hasTable);
    actions_.HideShowColumns->setEnabled(hasTable);
    actions_.AutomaticBackup->setChecked(ws_.settings.AutomaticBackupFlag);
    actions_.Autoload->setChecked(ws_.AutoloadChecked);
    actions_.DisplayListView->setChecked(ws_.settings.DisplayListView);
    const qsizetype memoLines = ws_.Memo().size();
    const int rows = ws_.Table().RowCount();
    actions_.MemoListLabel->setText(QStringLiteral("MemoList:%1; %2").arg(memoLines).arg(rows));
    const bool agree = memoLines == rows && memoLines > 0;
    actions_.MemoListLabel->setStyleSheet(agree ? QStringLiteral("color: black;")
                                                : QStringLiteral("color: red;"));
    setWindowTitle(QStringLiteral("Pellary5: ") + FileNamePart(ws_.FileName()));
}

} // namespace kiv5::ui

#include "books/ui/BooksMainWindow.h"

#include "books/checks/CheckAlignmentDialog.h"
#include "books/checks/PrintCheck.h"
#include "common/core/Misc.h"
#include "common/ui/AboutBox.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/HistoryMenu.h"
#include "common/ui/ProgramEmblem.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace kiv5::books::ui {
namespace {

int PrimaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

} // namespace

BooksMainWindow::BooksMainWindow(kiv5::ui::Prompts& prompts, BooksStartOptions options,
                                 QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), options_(std::move(options)),
      help_(QStringLiteral("sumora5"), context_.folders, this), ws_(PrimaryScreenWidth(), context_),
      launcher_(kiv5::ui::Launcher::ReportingTo(prompts, options_.launchPlatform)) {
    context_.errors = kiv5::ui::MakeErrorWindowSink(prompts);
    setObjectName(QStringLiteral("BooksMainWindow"));
    setWindowIcon(QIcon(kiv5::ui::DrawProgramEmblem(kiv5::Program::Bookkeeping, 64)));
    actions_ = CreateBooksActions(*this);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    views_ = new BooksViews(ws_, prompts_, context_.progress, *mdi_, this);
    records_ = new BooksRecords(ws_, prompts_, *views_, context_, this);
    records_->SetCheckPrinter([this](const CheckValues& values, QWidget*) {
        kiv5::ui::PrintCheck(values, kiv5::ui::CheckDestinationFrom(ws_.settings), prompts_,
                             launcher_, context_);
    });
    ConnectActions();
    connect(&ws_, &BooksWorkspace::FileChanged, this, [this] { UpdateMenuItems(); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuItems(); });
    UpdateMenuItems();
}

BooksMainWindow::~BooksMainWindow() {
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(&ws_, nullptr, this, nullptr);
    // Settings are written only over settings that were read.
    if (started_) {
        views_->StoreColumnWidths();
        SettingsStore store = BooksSettingsStore();
        WriteTheIniFile(ws_.SettingsToStore(), store, context_.errors);
    }
}

void BooksMainWindow::ShowError(int code) {
    QApplication::beep();
    kiv5::ui::ShowErrorWindowSafely(prompts_, code);
}

bool BooksMainWindow::RunGuarded(const std::function<void()>& command) {
    return views_->Guard().Run(command);
}

bool BooksMainWindow::RunWithSteps(const std::function<void(const StepProgress&)>& call) {
    return views_->Guard().RunWithSteps(call);
}

void BooksMainWindow::ConnectActions() {
    BooksActions& a = actions_;
    const auto on = [this](QAction* action, auto&& slot) {
        connect(action, &QAction::triggered, this, std::forward<decltype(slot)>(slot));
    };
    on(a.New, [this] { NewCommand(); });
    on(a.Open, [this] { OpenCommand(); });
    on(a.SaveAs, [this] { SaveAsCommand(); });
    on(a.Close, [this] { CloseCommand(); });
    on(a.ExportTxt, [this] { ExportCommand(); });
    on(a.MakeBackup, [this] { MakeBackupCommand(); });
    on(a.RestoreBackup, [this] { RestoreCommand(); });
    on(a.Exit, [this] { close(); });
    on(a.Refresh, [this] { RefreshCommand(); });
    ConnectLedgerActions(LedgerId::Income);
    ConnectLedgerActions(LedgerId::Expense);
    ConnectBoth(a.SetFilter, &BooksRecords::SetFilter);
    ConnectBoth(a.CancelFilter, &BooksRecords::CancelFilter);
    on(a.SelectAll, [this] {
        records_->SelectAll(LedgerId::Income, true);
        records_->SelectAll(LedgerId::Expense, true);
    });
    on(a.SelectNone, [this] {
        records_->SelectAll(LedgerId::Income, false);
        records_->SelectAll(LedgerId::Expense, false);
    });
    on(a.Pack, [this] { PackCommand(); });
    on(a.Autoload, [this] { ToggleAutoloadCommand(); });
    on(a.AutomaticBackup, [this] { ToggleAutomaticBackupCommand(); });
    on(a.SetFont, [this] { views_->ChooseTableFont(); });
    on(a.CheckAlignment, [this] { CheckAlignmentCommand(); });
    on(a.DirectorySu5, [this] { SetDefaultDirectoryCommand(0); });
    on(a.DirectoryPl5, [this] { SetDefaultDirectoryCommand(1); });
    on(a.SetPl5File, [this] { SetPl5FileCommand(); });
    on(a.AccountEditor, [this] { AccountEditorCommand(); });
    on(a.CategoryEditor, [this] { CategoryEditorCommand(); });
    on(a.Tile, [this] { views_->Tile(); });
    on(a.Cascade, [this] { views_->Cascade(); });
    on(a.Contents, [this] { ShowHelp(0); });
    on(a.About, [this] { AboutCommand(); });
}

void BooksMainWindow::ConnectLedgerActions(LedgerId id) {
    LedgerActions& l = actions_.Of(id);
    BooksRecords* r = records_;
    connect(l.add, &QAction::triggered, this, [r, id] { r->Add(id); });
    connect(l.del, &QAction::triggered, this, [r, id] { r->Delete(id); });
    connect(l.display, &QAction::triggered, this, [r, id] { r->Display(id); });
    connect(l.find, &QAction::triggered, this, [r, id] { r->FastFind(id); });
    connect(l.setFilter, &QAction::triggered, this, [r, id] { r->SetFilter(id); });
    connect(l.cancelFilter, &QAction::triggered, this, [r, id] { r->CancelFilter(id); });
    connect(l.selectAll, &QAction::triggered, this, [r, id] { r->SelectAll(id, true); });
    connect(l.selectNone, &QAction::triggered, this, [r, id] { r->SelectAll(id, false); });
}

void BooksMainWindow::ConnectBoth(QAction* action, void (BooksRecords::*command)(LedgerId)) {
    connect(action, &QAction::triggered, this, [this, command] {
        (records_->*command)(LedgerId::Income);
        (records_->*command)(LedgerId::Expense);
    });
}

void BooksMainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!started_) {
        StartUp();
    }
}

void BooksMainWindow::StartUp() {
    if (started_) {
        return;
    }
    started_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    kiv5::ui::AboutBox* splash =
        options_.splash ? kiv5::ui::ShowSplash(kiv5::Program::Bookkeeping) : nullptr;
    Q_UNUSED(splash);
    SettingsStore store = BooksSettingsStore();
    ws_.ReadSettings(store);
    views_->CreateWindows();
    if (const QString argument = options_.arguments.value(0); !argument.isEmpty()) {
        LoadSet([this, argument](const StepProgress& steps) { ws_.OpenArgument(argument, steps); });
    } else if (ws_.AutoloadChecked) {
        LoadSet([this](const StepProgress& steps) { ws_.Load(ws_.settings.AutoFileName, steps); });
    }
    RebuildHistoryMenu();
    UpdateMenuItems();
}

void BooksMainWindow::closeEvent(QCloseEvent* event) {
    if (records_->IsFormOpen()) {
        event->ignore();
        return;
    }
    if (!exited_) {
        ExitSteps();
    }
    event->accept();
    QMainWindow::closeEvent(event);
}

void BooksMainWindow::ExitSteps() {
    exited_ = true;
    if (ws_.IsOpen()) {
        RunWithSteps([this](const StepProgress& steps) { ws_.CancelFilters(steps); });
    }
    if (ws_.PrepareExit()) {
        MakeBackupCommand();
    }
}

void BooksMainWindow::RebuildHistoryMenu() {
    kiv5::ui::RebuildHistory(actions_.fileMenu, actions_.HistorySeparator,
                             ws_.settings.History.Entries(),
                             [this](int index) { ReopenCommand(index); });
}

void BooksMainWindow::UpdateMenuItems() {
    const bool open = ws_.IsOpen();
    BooksActions& a = actions_;
    for (QAction* action :
         {a.income.menu->menuAction(), a.expense.menu->menuAction(), a.SetFilter, a.CancelFilter,
          a.SelectAll, a.SelectNone, a.Pack, a.Autoload, a.AccountEditor, a.CategoryEditor}) {
        action->setEnabled(open);
    }
    for (const LedgerId id : {LedgerId::Income, LedgerId::Expense}) {
        LedgerActions& l = a.Of(id);
        for (QAction* action : {l.add, l.del, l.display, l.find, l.setFilter, l.cancelFilter,
                                l.selectAll, l.selectNone}) {
            action->setEnabled(open);
        }
    }
    views_->SetCommandsEnabled(open);
    a.AutomaticBackup->setChecked(ws_.settings.AutomaticBackupFlag);
    a.Autoload->setChecked(ws_.AutoloadChecked);
    setWindowTitle(QStringLiteral("Sumora5: ") + FileNamePart(ws_.FileName()));
}

void BooksMainWindow::ToggleAutoloadCommand() {
    ws_.SetAutoload(!ws_.AutoloadChecked);
    UpdateMenuItems();
}

void BooksMainWindow::ToggleAutomaticBackupCommand() {
    ws_.ToggleAutomaticBackup();
    UpdateMenuItems();
}

void BooksMainWindow::CheckAlignmentCommand() {
    kiv5::ui::RunCheckAlignment(ws_.settings, prompts_, launcher_, context_, this);
}

void BooksMainWindow::ShowHelp(int topic) {
    help_.Show(topic);
}

void BooksMainWindow::AboutCommand() {
    kiv5::ui::ShowAboutBox(prompts_, kiv5::Program::Bookkeeping, this);
}

} // namespace kiv5::books::ui

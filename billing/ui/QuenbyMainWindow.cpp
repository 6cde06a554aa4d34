#include "billing/ui/QuenbyMainWindow.h"

#include "billing/core/TBillRec.h"
#include "common/core/Answers.h"
#include "common/ui/AboutBox.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/HistoryMenu.h"
#include "common/ui/ProgramEmblem.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/StoredFont.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace kiv5::billing::ui {
namespace {

int PrimaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

} // namespace

QuenbyMainWindow::QuenbyMainWindow(kiv5::ui::Prompts& prompts, QuenbyStartOptions options,
                                   QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), options_(std::move(options)),
      help_(QStringLiteral("quenby5"), context_.folders, this),
      launcher_(kiv5::ui::Launcher::ReportingTo(prompts, options_.launchPlatform)),
      ws_(PrimaryScreenWidth(), context_) {
    context_.errors = kiv5::ui::MakeErrorWindowSink(prompts);
    setObjectName(QStringLiteral("QuenbyMainWindow"));
    setWindowIcon(QIcon(kiv5::ui::DrawProgramEmblem(kiv5::Program::Billing, 64)));
    actions_ = CreateQuenbyActions(*this);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    ConnectActions();
    connect(&ws_, &BillingWorkspace::TableReset, this, [this] {
        if (billWindow_) {
            billWindow_->Reload();
        }
    });
    connect(&ws_, &BillingWorkspace::RowChanged, this, [this](int row) {
        if (billWindow_) {
            billWindow_->RowChanged(row);
        }
    });
    connect(&ws_, &BillingWorkspace::FileChanged, this, [this] { UpdateMenuItems(); });
    connect(&ws_, &BillingWorkspace::FilterChanged, this, [this] { UpdateMenuItems(); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuItems(); });
    UpdateMenuItems();
}

QuenbyMainWindow::~QuenbyMainWindow() {
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(&ws_, nullptr, this, nullptr);
    // Settings are written only over settings that were read.
    if (started_) {
        StoreColumnWidths();
        SettingsStore store = BillingSettingsStore();
        ws_.WriteSettings(store);
    }
}

bool QuenbyMainWindow::IsFormOpen() const {
    return form_ && form_->isVisible();
}

void QuenbyMainWindow::SetOpenWorksheetHook(OpenWorksheetHook hook) {
    worksheetHook_ = std::move(hook);
    UpdateMenuItems();
}

void QuenbyMainWindow::SetOpenCalendarHook(OpenCalendarHook hook) {
    calendarHook_ = std::move(hook);
    UpdateMenuItems();
}

void QuenbyMainWindow::SetPrintCommandsAvailable(bool available) {
    printAvailable_ = available;
    UpdateMenuItems();
}

void QuenbyMainWindow::ShowError(int code) {
    context_.ErrorWindow(code);
}

kiv5::ui::CommandGuard QuenbyMainWindow::Guard() {
    kiv5::ui::CommandGuard guard(prompts_, context_.progress);
    if (billWindow_) {
        guard.ReshowOnError(billWindow_);
    }
    return guard;
}

bool QuenbyMainWindow::RunGuarded(const std::function<void()>& command) {
    return Guard().Run(command);
}

bool QuenbyMainWindow::RunWithSteps(const std::function<void(const StepProgress&)>& call) {
    return Guard().RunWithSteps(call);
}

bool QuenbyMainWindow::RunWithProgress(const QString& text,
                                       const std::function<void(const PercentProgress&)>& call) {
    return Guard().RunWithProgress(text, call);
}

void QuenbyMainWindow::ConnectActions() {
    QuenbyActions& a = actions_;
    const auto on = [this](QAction* action, auto&& slot) {
        connect(action, &QAction::triggered, this, std::forward<decltype(slot)>(slot));
    };
    on(a.New, [this] { NewCommand(); });
    on(a.spdNew, [this] { NewCommand(); });
    on(a.Open, [this] { OpenCommand(); });
    on(a.spdOpen, [this] { OpenCommand(); });
    on(a.SaveAs, [this] { SaveAsCommand(); });
    on(a.Close, [this] { CloseCommand(); });
    on(a.spdClose, [this] { CloseCommand(); });
    on(a.ExportTxt, [this] { ExportCommand(); });
    on(a.MakeBillingBackup, [this] { MakeBillingBackupCommand(); });
    on(a.MakeCalendarBackup, [this] { MakeCalendarBackupCommand(); });
    on(a.RestoreBillingBackup, [this] { RestoreBillingBackupCommand(); });
    on(a.RestoreCalendarBackup, [this] { RestoreCalendarBackupCommand(); });
    on(a.Exit, [this] { close(); });
    on(a.spdExit, [this] { close(); });

    on(a.Add, [this] { AddCommand(); });
    on(a.Delete, [this] { DeleteCommand(); });
    on(a.Display, [this] { DisplayCommand(); });
    on(a.FastFind, [this] { FastFindCommand(); });
    on(a.Save, [this] { SaveBillCommand(); });
    on(a.SetFilter, [this] { SetFilterCommand(); });
    on(a.CancelFilter, [this] { CancelFilterCommand(); });
    on(a.SelectAll, [this] { SelectAllCommand(true); });
    on(a.SelectNone, [this] { SelectAllCommand(false); });
    on(a.spdSortByBalance, [this] { SortByBalanceDueCommand(); });
    on(a.spdSortByName, [this] { SortByNameCommand(); });

    on(a.AutomaticBackup, [this] { ToggleAutomaticBackupCommand(); });
    on(a.SetHourlyRate, [this] { SetHourlyRateCommand(); });
    on(a.SetShorthandText, [this] { SetShorthandTextCommand(); });
    on(a.SetFont, [this] { SetFontCommand(); });
    on(a.SetWordProcessor, [this] { SetWordProcessorCommand(); });
    on(a.SetBillingCaption, [this] { SetBillingCaptionCommand(); });
    on(a.PrintCurrentBill, [this] { PrintCurrentBillCommand(); });
    on(a.spdPrintBill, [this] { PrintCurrentBillCommand(); });
    on(a.PeriodicBilling, [this] { PeriodicBillingCommand(); });
    on(a.WritePdf, [this] { ToggleWritePdfCommand(); });
    on(a.DirectoryQy5, [this] { SetDefaultDirectoryCommand(0); });
    on(a.DirectoryIs5, [this] { SetDefaultDirectoryCommand(3); });
    on(a.DirectorySu5, [this] { SetDefaultDirectoryCommand(1); });
    on(a.DirectoryPl5, [this] { SetDefaultDirectoryCommand(2); });
    on(a.SetPl5File, [this] { SetPl5FileCommand(); });
    on(a.SetSu5File, [this] { SetSu5FileCommand(); });

    on(a.ItemizedStatement, [this] { OpenWorksheetCommand(); });
    on(a.spdOpenStatement, [this] { OpenWorksheetCommand(); });
    on(a.Calendar, [this] { OpenCalendarCommand(); });
    on(a.spdOpenCalendar, [this] { OpenCalendarCommand(); });
    on(a.Tile, [this] { mdi_->tileSubWindows(); });
    on(a.Cascade, [this] { mdi_->cascadeSubWindows(); });
    on(a.spdCloseWindow, [this] { CloseActiveWindowCommand(); });
    on(a.Contents, [this] { ShowHelp(0); });
    on(a.About, [this] { AboutCommand(); });
}

void QuenbyMainWindow::ConnectBillWindow() {
    BillTableWindow* w = billWindow_;
    connect(w, &BillTableWindow::AddRequested, this, [this] { AddCommand(); });
    connect(w, &BillTableWindow::DeleteRequested, this, [this] { DeleteCommand(); });
    connect(w, &BillTableWindow::FindRequested, this, [this] { FastFindCommand(); });
    connect(w, &BillTableWindow::FilterRequested, this, [this] { SetFilterCommand(); });
    connect(w, &BillTableWindow::SelectAllRequested, this,
            [this](bool selected) { SelectAllCommand(selected); });
    connect(w, &BillTableWindow::CancelFilterRequested, this, [this] { CancelFilterCommand(); });
    connect(w, &BillTableWindow::DeleteSelectedRequested, this,
            [this] { DeleteSelectedCommand(); });
    connect(w, &BillTableWindow::EditRequested, this, [this] { DisplayCommand(); });
    connect(w, &BillTableWindow::CurrentRowChanged, this, [this](int row) {
        if (row > 0) {
            ws_.SetCurrentRow(row);
        }
    });
}

void QuenbyMainWindow::CreateBillWindow() {
    if (billWindow_) {
        return;
    }
    billWindow_ =
        new BillTableWindow(ws_.Table(), ws_.Profile(), ws_.Sort(), prompts_, context_.progress);
    billSub_ = mdi_->addSubWindow(billWindow_);
    ConnectBillWindow();
    std::vector<int> widths(ws_.settings.BColumnWidth.begin(), ws_.settings.BColumnWidth.end());
    billWindow_->View().SetColumnWidths(widths);
    ApplyTableFont();
    billWindow_->show();
    billSub_->showMaximized();
}

void QuenbyMainWindow::StoreColumnWidths() {
    if (!billWindow_) {
        return;
    }
    const std::vector<int> shown = billWindow_->View().ColumnWidths();
    auto& widths = ws_.settings.BColumnWidth;
    for (std::size_t column = 0; column < widths.size() && column < shown.size(); ++column) {
        // Hidden columns carry data only and keep -1.
        if (widths[column] >= 0) {
            widths[column] = shown[column] >= 0 ? shown[column] : widths[column];
        }
    }
}

void QuenbyMainWindow::ApplyTableFont() {
    const BillingSettings& s = ws_.settings;
    tableFont_ =
        kiv5::ui::FontOf(s.TableFontName, s.TableFontSize, s.TableFontBold, s.TableFontItalic, 8);
    if (billWindow_) {
        billWindow_->SetTableFont(tableFont_);
    }
}

void QuenbyMainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!started_) {
        StartUp();
    }
}

void QuenbyMainWindow::StartUp() {
    if (started_) {
        return;
    }
    started_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    if (options_.splash) {
        kiv5::ui::ShowSplash(kiv5::Program::Billing);
    }
    SettingsStore store = BillingSettingsStore();
    ws_.ReadSettings(store);
    if (const QString warning = ws_.UseReachableFilesDirectory(); !warning.isEmpty()) {
        prompts_.Message(QStringLiteral("Default Directory"), warning, QMessageBox::Ok,
                         QMessageBox::Warning);
    }
    CreateBillWindow();
    CreateAnswerStore();
    if (const QString argument = options_.arguments.value(0); !argument.isEmpty()) {
        RunGuarded([this, &argument] { ws_.OpenArgument(argument); });
    }
    AfterFileChange();
}

void QuenbyMainWindow::closeEvent(QCloseEvent* event) {
    if (IsFormOpen()) {
        event->ignore();
        return;
    }
    if (!exited_) {
        exited_ = true;
        AutomaticBackupOutcome outcome;
        RunWithSteps(
            [this, &outcome](const StepProgress& steps) { outcome = ws_.ExitBackups(steps); });
        ShowBackupFailures(outcome);
    }
    event->accept();
    QMainWindow::closeEvent(event);
}

void QuenbyMainWindow::ShowBackupFailures(const AutomaticBackupOutcome& outcome) {
    for (const QString& failure : outcome.failures) {
        prompts_.Message(QStringLiteral("Error"), failure, QMessageBox::Ok, QMessageBox::Critical);
    }
}

void QuenbyMainWindow::RebuildHistoryMenu() {
    kiv5::ui::RebuildHistory(actions_.fileMenu, actions_.HistorySeparator,
                             ws_.settings.History.Entries(),
                             [this](int index) { ReopenCommand(index); });
}

void QuenbyMainWindow::AfterFileChange() {
    if (billWindow_) {
        billWindow_->Reload();
        if (ws_.HasRow(ws_.CurrentRow())) {
            billWindow_->View().SetCurrentTableRow(ws_.CurrentRow());
        }
    }
    RebuildHistoryMenu();
    UpdateMenuItems();
}

void QuenbyMainWindow::UpdateMenuItems() {
    QuenbyState state;
    state.fileOpen = ws_.IsOpen();
    state.filterActive = ws_.FilterActive();
    state.worksheetOpen = IsWorksheetOpen();
    state.calendarOpen = IsCalendarOpen();
    state.worksheetAvailable = static_cast<bool>(worksheetHook_);
    state.calendarAvailable = static_cast<bool>(calendarHook_);
    state.printAvailable = printAvailable_;
    ApplyEnabledRules(actions_, state);
    actions_.AutomaticBackup->setChecked(ws_.settings.AutomaticBackupFlag);
    actions_.WritePdf->setChecked(ws_.settings.WritePdfFlag);
    if (billWindow_) {
        billWindow_->SetCommandsEnabled(state.fileOpen);
        billWindow_->SetFilterActive(state.filterActive, state.fileOpen);
    }
    setWindowTitle(ws_.Caption());
}

QWidget* QuenbyMainWindow::OpenChild(const std::function<QWidget*(QuenbyMainWindow&)>& hook,
                                     QPointer<QWidget>& child) {
    if (!hook) {
        return nullptr;
    }
    if (child) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget())) {
            mdi_->setActiveSubWindow(sub);
        }
        return child;
    }
    QWidget* widget = nullptr;
    RunGuarded([&] { widget = hook(*this); });
    if (!widget) {
        return nullptr;
    }
    widget->setAttribute(Qt::WA_DeleteOnClose);
    child = widget;
    QMdiSubWindow* sub = mdi_->addSubWindow(widget);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(
        widget, &QObject::destroyed, this, [this] { UpdateMenuItems(); }, Qt::QueuedConnection);
    widget->show();
    UpdateMenuItems();
    return widget;
}

void QuenbyMainWindow::OpenWorksheetCommand() {
    OpenChild(worksheetHook_, worksheet_);
}

void QuenbyMainWindow::OpenCalendarCommand() {
    OpenChild(calendarHook_, calendar_);
}

void QuenbyMainWindow::CloseActiveWindowCommand() {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    // The billing window stays: it is the bill table itself.
    if (active && active != billSub_) {
        active->close();
    }
}

void QuenbyMainWindow::ShowHelp(int topic) {
    help_.Show(topic);
}

void QuenbyMainWindow::AboutCommand() {
    kiv5::ui::ShowAboutBox(prompts_, kiv5::Program::Billing, this);
}

} // namespace kiv5::billing::ui

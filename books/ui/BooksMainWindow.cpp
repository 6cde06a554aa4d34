#include "books/ui/BooksMainWindow.h"

#include "books/checks/CheckAlignmentDialog.h"
#include "books/checks/PrintCheck.h"

#include "books/core/BookkeepingSet.h"
#include "books/core/LedgerLayout.h"
#include "common/core/Misc.h"
#include "common/ui/AboutBox.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/HistoryMenu.h"
#include "common/ui/ProgramEmblem.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/StoredFont.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace kiv5::books::ui {
namespace {

// The table font's size while the settings hold none.
constexpr int kDefaultTableFontSize = 8;

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
    checkPrinter_ = [this](const CheckValues& values, QWidget*) {
        kiv5::ui::PrintCheck(values, kiv5::ui::CheckDestinationFrom(ws_.settings), prompts_,
                             launcher_, context_);
    };
    setObjectName(QStringLiteral("BooksMainWindow"));
    setWindowIcon(QIcon(kiv5::ui::DrawProgramEmblem(kiv5::Program::Bookkeeping, 64)));
    actions_ = CreateBooksActions(*this);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    ConnectActions();
    connect(&ws_, &BooksWorkspace::TableReset, this, [this](LedgerId id) {
        if (LedgerWindow* window = WindowOf(id)) {
            window->Reload();
        }
    });
    connect(&ws_, &BooksWorkspace::RowChanged, this, [this](LedgerId id, int row) {
        if (LedgerWindow* window = WindowOf(id)) {
            window->RowChanged(row);
        }
    });
    connect(&ws_, &BooksWorkspace::FileChanged, this, [this] { UpdateMenuItems(); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuItems(); });
    UpdateMenuItems();
}

BooksMainWindow::~BooksMainWindow() {
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(&ws_, nullptr, this, nullptr);
    // Settings are written only over settings that were read.
    if (started_) {
        StoreColumnWidths();
        SettingsStore store = BooksSettingsStore();
        WriteTheIniFile(ws_.SettingsToStore(), store, context_.errors);
    }
}

LedgerWindow* BooksMainWindow::WindowOf(LedgerId id) const {
    return id == LedgerId::Income ? incomeWindow_.data() : expenseWindow_.data();
}

bool BooksMainWindow::IsFormOpen() const {
    return form_ && form_->isVisible();
}

void BooksMainWindow::ShowError(int code) {
    QApplication::beep();
    kiv5::ui::ShowErrorWindowSafely(prompts_, code);
}

kiv5::ui::CommandGuard BooksMainWindow::Guard() {
    kiv5::ui::CommandGuard guard(prompts_, context_.progress);
    for (LedgerWindow* window : {incomeWindow_.data(), expenseWindow_.data()}) {
        if (window) {
            guard.ReshowOnError(window);
        }
    }
    return guard;
}

bool BooksMainWindow::RunGuarded(const std::function<void()>& command) {
    return Guard().Run(command);
}

bool BooksMainWindow::RunWithSteps(const std::function<void(const StepProgress&)>& call) {
    return RunGuarded([&] {
        std::unique_ptr<kiv5::ui::ScopedProgress> progress;
        QString shown;
        call([&](const QString& text, int percent) {
            if (!progress || text != shown) {
                progress.reset();
                progress = std::make_unique<kiv5::ui::ScopedProgress>(context_.progress, text);
                shown = text;
            }
            progress->SetPosition(percent);
        });
    });
}

bool BooksMainWindow::RunWithProgress(const QString& text,
                                      const std::function<void(const PercentProgress&)>& call) {
    return Guard().RunWithProgress(text, call);
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
    for (const LedgerId id : {LedgerId::Income, LedgerId::Expense}) {
        LedgerActions& l = a.Of(id);
        on(l.add, [this, id] { AddCommand(id); });
        on(l.del, [this, id] { DeleteCommand(id); });
        on(l.display, [this, id] { DisplayCommand(id); });
        on(l.find, [this, id] { FastFindCommand(id); });
        on(l.setFilter, [this, id] { SetFilterCommand(id); });
        on(l.cancelFilter, [this, id] { CancelFilterCommand(id); });
        on(l.selectAll, [this, id] { SelectAllCommand(id, true); });
        on(l.selectNone, [this, id] { SelectAllCommand(id, false); });
    }
    on(a.SetFilter, [this] {
        SetFilterCommand(LedgerId::Income);
        SetFilterCommand(LedgerId::Expense);
    });
    on(a.CancelFilter, [this] {
        CancelFilterCommand(LedgerId::Income);
        CancelFilterCommand(LedgerId::Expense);
    });
    on(a.SelectAll, [this] {
        SelectAllCommand(LedgerId::Income, true);
        SelectAllCommand(LedgerId::Expense, true);
    });
    on(a.SelectNone, [this] {
        SelectAllCommand(LedgerId::Income, false);
        SelectAllCommand(LedgerId::Expense, false);
    });
    on(a.Pack, [this] { PackCommand(); });
    on(a.Autoload, [this] { ToggleAutoloadCommand(); });
    on(a.AutomaticBackup, [this] { ToggleAutomaticBackupCommand(); });
    on(a.SetFont, [this] { SetFontCommand(); });
    on(a.CheckAlignment, [this] { CheckAlignmentCommand(); });
    on(a.DirectorySu5, [this] { SetDefaultDirectoryCommand(0); });
    on(a.DirectoryPl5, [this] { SetDefaultDirectoryCommand(1); });
    on(a.SetPl5File, [this] { SetPl5FileCommand(); });
    on(a.AccountEditor, [this] { AccountEditorCommand(); });
    on(a.CategoryEditor, [this] { CategoryEditorCommand(); });
    on(a.Tile, [this] { mdi_->tileSubWindows(); });
    on(a.Cascade, [this] { mdi_->cascadeSubWindows(); });
    on(a.Contents, [this] { ShowHelp(0); });
    on(a.About, [this] { AboutCommand(); });
}

void BooksMainWindow::ConnectLedger(LedgerId id) {
    LedgerWindow* window = WindowOf(id);
    connect(window, &LedgerWindow::AddRequested, this, [this, id] { AddCommand(id); });
    connect(window, &LedgerWindow::DeleteRequested, this, [this, id] { DeleteCommand(id); });
    connect(window, &LedgerWindow::FindRequested, this, [this, id] { FastFindCommand(id); });
    connect(window, &LedgerWindow::FilterRequested, this, [this, id] { SetFilterCommand(id); });
    connect(window, &LedgerWindow::SelectAllRequested, this,
            [this, id](bool selected) { SelectAllCommand(id, selected); });
    connect(window, &LedgerWindow::CancelFilterRequested, this,
            [this, id] { CancelFilterCommand(id); });
    connect(window, &LedgerWindow::DeleteSelectedRequested, this,
            [this, id] { DeleteSelectedCommand(id); });
    connect(window, &LedgerWindow::EditRequested, this, [this, id] { DisplayCommand(id); });
}

void BooksMainWindow::CreateChildWindows() {
    if (incomeWindow_) {
        return;
    }
    incomeWindow_ = new LedgerWindow(ws_.Income(), prompts_, context_.progress);
    expenseWindow_ = new LedgerWindow(ws_.Expense(), prompts_, context_.progress);
    incomeSub_ = mdi_->addSubWindow(incomeWindow_);
    expenseSub_ = mdi_->addSubWindow(expenseWindow_);
    for (const LedgerId id : {LedgerId::Income, LedgerId::Expense}) {
        ConnectLedger(id);
        const auto& widths =
            id == LedgerId::Income ? ws_.settings.IColumnWidth : ws_.settings.EColumnWidth;
        std::vector<int> shown(widths.begin(), widths.end());
        for (int column = LedgerColumn::PostTime; column < LedgerColumn::Count; ++column) {
            shown[static_cast<std::size_t>(column)] = -1;
        }
        WindowOf(id)->View().SetColumnWidths(shown);
        WindowOf(id)->show();
    }
    ApplyTableFont();
    mdi_->tileSubWindows();
}

void BooksMainWindow::StoreColumnWidths() {
    for (const LedgerId id : {LedgerId::Income, LedgerId::Expense}) {
        LedgerWindow* window = WindowOf(id);
        if (!window) {
            continue;
        }
        auto& widths =
            id == LedgerId::Income ? ws_.settings.IColumnWidth : ws_.settings.EColumnWidth;
        const std::vector<int> shown = window->View().ColumnWidths();
        for (int column = 0; column < LedgerColumn::Count; ++column) {
            const auto c = static_cast<std::size_t>(column);
            widths[c] = column >= LedgerColumn::PostTime ? -1 : shown.at(c);
        }
    }
}

void BooksMainWindow::ApplyTableFont() {
    const BooksSettings& s = ws_.settings;
    const QFont font = kiv5::ui::FontOf(s.TableFontName, s.TableFontSize, s.TableFontBold,
                                        s.TableFontItalic, kDefaultTableFontSize);
    for (LedgerWindow* window : {incomeWindow_.data(), expenseWindow_.data()}) {
        if (window) {
            window->SetTableFont(font);
        }
    }
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
    if (ReadTheIniFile(ws_.settings, store, ws_.screenWidth)) {
        ws_.AutoloadChecked = !ws_.settings.AutoFileName.isEmpty();
    }
    CreateChildWindows();
    if (const QString argument = options_.arguments.value(0); !argument.isEmpty()) {
        // Found as Open finds a set: in the files folder under its name.
        LoadSet([this, argument](const StepProgress& steps) {
            ws_.Open(SetFileInFilesDirectory(ws_.settings.FilesDirectory, argument), steps);
        });
    } else if (ws_.AutoloadChecked) {
        LoadSet([this](const StepProgress& steps) { ws_.Load(ws_.settings.AutoFileName, steps); });
    }
    RebuildHistoryMenu();
    UpdateMenuItems();
}

void BooksMainWindow::closeEvent(QCloseEvent* event) {
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

void BooksMainWindow::ExitSteps() {
    exited_ = true;
    if (ws_.IsOpen()) {
        RunWithSteps([this](const StepProgress& steps) { ws_.CancelFilters(steps); });
    }
    ws_.settings.AutoFileName = ws_.AutoloadChecked ? ws_.FileName() : QString();
    if (ws_.IsOpen() && ws_.settings.AutomaticBackupFlag) {
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
        if (LedgerWindow* window = WindowOf(id)) {
            window->SetCommandsEnabled(open);
        }
    }
    a.AutomaticBackup->setChecked(ws_.settings.AutomaticBackupFlag);
    a.Autoload->setChecked(ws_.AutoloadChecked);
    setWindowTitle(QStringLiteral("Sumora5: ") + FileNamePart(ws_.FileName()));
}

void BooksMainWindow::ToggleAutoloadCommand() {
    ws_.SetAutoload(!ws_.AutoloadChecked);
    UpdateMenuItems();
}

void BooksMainWindow::ToggleAutomaticBackupCommand() {
    ws_.settings.AutomaticBackupFlag = !ws_.settings.AutomaticBackupFlag;
    UpdateMenuItems();
}

void BooksMainWindow::CheckAlignmentCommand() {
    kiv5::ui::RunCheckAlignment(ws_.settings, prompts_, launcher_, context_, this);
}

void BooksMainWindow::SetFontCommand() {
    BooksSettings& s = ws_.settings;
    if (kiv5::ui::ChooseStoredFont(prompts_, QString(), s.TableFontName, s.TableFontSize,
                                   s.TableFontBold, s.TableFontItalic, kDefaultTableFontSize)) {
        ApplyTableFont();
    }
}

void BooksMainWindow::ShowHelp(int topic) {
    help_.Show(topic);
}

void BooksMainWindow::AboutCommand() {
    kiv5::ui::ShowAboutBox(prompts_, kiv5::Program::Bookkeeping, this);
}

} // namespace kiv5::books::ui

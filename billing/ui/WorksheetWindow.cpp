#include "billing/ui/WorksheetWindow.h"

#include "billing/core/BillingSettings.h"
#include "billing/core/CalendarFile.h"
#include "billing/ui/ClientSelector.h"
#include "billing/ui/WorksheetPanel.h"
#include "billing/ui/WorksheetTableModel.h"
#include "common/core/Misc.h"
#include "common/core/OfficeContext.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/ErrorWindowSink.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/SelectDateDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kiv5::billing::ui {
namespace {

constexpr int kKeptWidths = 5;
constexpr int kDefaultWidth = 100;

} // namespace

std::optional<QString> ChooseStatementFile(kiv5::ui::Prompts& prompts, const QString& isDirectory) {
    const QString title = QStringLiteral("Open Itemized Statement File Dialog");
    const std::optional<QString> chosen =
        prompts.OpenFile({.title = title,
                          .folder = isDirectory,
                          .fileName = QStringLiteral("*.IS5"),
                          .filter = QStringLiteral("IS5 Itemized Statement Files|*.IS5"),
                          .defaultExtension = QStringLiteral("is5")});
    if (!chosen || QFileInfo::exists(*chosen)) {
        return chosen;
    }
    if (!QFileInfo(FolderPart(*chosen)).isDir()) {
        prompts.Inform(title, *chosen + QStringLiteral("\nPath does not exist.\nCheck the path and "
                                                       "try again."));
        return std::nullopt;
    }
    if (prompts.Message(
            title,
            FileNamePart(*chosen) + QStringLiteral("\nThis file does not exist.\nCreate the file?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) != QMessageBox::Yes) {
        return std::nullopt;
    }
    return chosen;
}

WorksheetWindow::WorksheetWindow(StatementWorkspace& workspace, const QStringList& shorthand,
                                 kiv5::ui::Prompts& prompts, OfficeContext& context,
                                 QWidget* parent)
    : QMainWindow(parent), ws_(workspace), shorthand_(shorthand), prompts_(prompts),
      context_(context) {
    setObjectName(QStringLiteral("frmItemizedStatement"));
    setWindowTitle(QStringLiteral("Itemized Statement Worksheet - ") +
                   FileNamePart(workspace.Path()));
    panel_ = new WorksheetPanel(this);
    model_ = new WorksheetTableModel(ws_.Table(), ws_.Profile(), ws_.Sort(), this);
    view_ = new kiv5::ui::RecordTableView(*model_, prompts_, context_.progress, this);
    view_->setObjectName(QStringLiteral("sgItemizedStatement"));
    view_->SetRowHeight(view_->fontMetrics().height() + 8);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel_);
    layout->addWidget(view_, 1);
    setCentralWidget(central);
    BuildMenus();
    ApplyColumnWidths();

    connect(panel_, &WorksheetPanel::Modified, this, [this] { ws_.ModifiedPanel = true; });
    connect(panel_->saveButton, &QPushButton::clicked, this, &WorksheetWindow::SaveToTable);
    connect(panel_->importButton, &QPushButton::clicked, this, &WorksheetWindow::ImportCalendar);
    connect(panel_->insertButton, &QToolButton::clicked, this, &WorksheetWindow::AddLine);
    connect(panel_->deleteButton, &QToolButton::clicked, this, &WorksheetWindow::DeleteLine);
    connect(panel_->firstButton, &QToolButton::clicked, this, &WorksheetWindow::GoFirst);
    connect(panel_->priorButton, &QToolButton::clicked, this, &WorksheetWindow::GoPrior);
    connect(panel_->nextButton, &QToolButton::clicked, this, &WorksheetWindow::GoNext);
    connect(panel_->lastButton, &QToolButton::clicked, this, &WorksheetWindow::GoLast);
    // After the view has settled: a reload passes through rows on its way.
    connect(
        view_, &kiv5::ui::RecordTableView::CurrentRowChanged, this,
        [this](int) { OnRowClicked(view_->CurrentTableRow()); }, Qt::QueuedConnection);
    connect(view_, &kiv5::ui::RecordTableView::Sorted, this, [this] {
        ws_.CurrentRow = view_->CurrentTableRow();
        slot_ = CurrentSlot();
    });
    ShowCurrentRow();
}

QAction* WorksheetWindow::AddCommand(QMenu* menu, const QString& text, const QKeySequence& key,
                                     void (WorksheetWindow::*command)(),
                                     Qt::ShortcutContext context) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    action->setShortcutContext(context);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void WorksheetWindow::BuildMenus() {
    constexpr auto kWindow = Qt::WidgetWithChildrenShortcut;
    menu_ = menuBar()->addMenu(QStringLiteral("&Itemized Statement Wrksht"));
    for (QAction* action : {
             AddCommand(menu_, QStringLiteral("&First"), QKeySequence(Qt::CTRL | Qt::Key_Home),
                        &WorksheetWindow::GoFirst, kWindow),
             AddCommand(menu_, QStringLiteral("P&rior"), QKeySequence(Qt::Key_PageUp),
                        &WorksheetWindow::GoPrior, kWindow),
             AddCommand(menu_, QStringLiteral("&Next"), QKeySequence(Qt::Key_PageDown),
                        &WorksheetWindow::GoNext, kWindow),
             AddCommand(menu_, QStringLiteral("&Last"), QKeySequence(Qt::CTRL | Qt::Key_End),
                        &WorksheetWindow::GoLast, kWindow),
             AddCommand(menu_, QStringLiteral("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                        &WorksheetWindow::DeleteLine, kWindow),
             AddCommand(menu_, QStringLiteral("&Add"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A),
                        &WorksheetWindow::AddLine, kWindow),
             AddCommand(menu_, QStringLiteral("&Send to Table"),
                        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T), &WorksheetWindow::SaveToTable,
                        kWindow),
             AddCommand(menu_, QStringLiteral("Fas&t Find"),
                        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F), &WorksheetWindow::FastFind,
                        kWindow),
         }) {
        addAction(action);
    }

    // The pop-up menu repeats the commands; its own keys work in the table.
    popup_ = new QMenu(view_);
    popup_->setObjectName(QStringLiteral("pmnuTable"));
    AddCommand(popup_, QStringLiteral("&First"), QKeySequence(Qt::CTRL | Qt::Key_Home),
               &WorksheetWindow::GoFirst, Qt::WidgetShortcut);
    AddCommand(popup_, QStringLiteral("P&rior"), QKeySequence(Qt::Key_PageUp),
               &WorksheetWindow::GoPrior, Qt::WidgetShortcut);
    AddCommand(popup_, QStringLiteral("&Next"), QKeySequence(Qt::Key_PageDown),
               &WorksheetWindow::GoNext, Qt::WidgetShortcut);
    AddCommand(popup_, QStringLiteral("&Last"), QKeySequence(Qt::CTRL | Qt::Key_End),
               &WorksheetWindow::GoLast, Qt::WidgetShortcut);
    AddCommand(popup_, QStringLiteral("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
               &WorksheetWindow::DeleteLine, Qt::WidgetShortcut);
    for (QAction* action :
         {AddCommand(popup_, QStringLiteral("&Add"), QKeySequence(Qt::CTRL | Qt::Key_A),
                     &WorksheetWindow::AddLine, Qt::WidgetShortcut),
          AddCommand(popup_, QStringLiteral("&Send to Table"), QKeySequence(Qt::CTRL | Qt::Key_T),
                     &WorksheetWindow::SaveToTable, Qt::WidgetShortcut),
          AddCommand(popup_, QStringLiteral("Fas&t Find"), QKeySequence(Qt::CTRL | Qt::Key_F),
                     &WorksheetWindow::FastFind, Qt::WidgetShortcut)}) {
        view_->addAction(action);
    }
    popup_->addSeparator();
    for (int key = 1; key <= SHORTHANDTEXTS; ++key) {
        const QString text = key < 10    ? QStringLiteral("Insert F&%1").arg(key)
                             : key == 10 ? QStringLiteral("Insert F1&0")
                                         : QStringLiteral("Insert F%1").arg(key);
        QAction* action = popup_->addAction(text);
        action->setShortcut(QKeySequence(Qt::Key_F1 + key - 1));
        action->setShortcutContext(kWindow);
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { InsertShorthand(key); });
        addAction(action);
    }
    QAction* backup = new QAction(QStringLiteral("Save Backup Text"), this);
    backup->setObjectName(QStringLiteral("actSaveBackupText"));
    backup->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    backup->setShortcutContext(kWindow);
    connect(backup, &QAction::triggered, this, &WorksheetWindow::SaveBackupText);
    addAction(backup);
    QAction* restore = new QAction(QStringLiteral("Restore Backup Text"), this);
    restore->setObjectName(QStringLiteral("actRestoreBackupText"));
    restore->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Y));
    restore->setShortcutContext(kWindow);
    connect(restore, &QAction::triggered, this, &WorksheetWindow::RestoreBackupText);
    addAction(restore);
    view_->SetContextMenu(popup_);
}

bool WorksheetWindow::Run(const std::function<void()>& command) {
    return kiv5::ui::RunCommand(prompts_, context_.progress, command);
}

QString WorksheetWindow::CurrentSlot() const {
    return ws_.HasRow(ws_.CurrentRow) ? ws_.Table().Cell(ws_.CurrentRow, ISColumn::RecNo)
                                      : QString();
}

void WorksheetWindow::ShowCurrentRow() {
    moving_ = true;
    view_->Reload();
    view_->SetCurrentTableRow(ws_.CurrentRow);
    panel_->SetEntry(ws_.EntryOf(ws_.CurrentRow));
    ws_.ModifiedPanel = false;
    slot_ = CurrentSlot();
    moving_ = false;
}

void WorksheetWindow::OnRowClicked(int row) {
    if (moving_ || closed_ || row <= 0 || row == ws_.CurrentRow || !ws_.HasRow(row)) {
        return;
    }
    if (ws_.Table().Cell(row, ISColumn::RecNo) == slot_) {
        // The same line, moved by a sort.
        ws_.CurrentRow = row;
        return;
    }
    MoveTo(row);
}

bool WorksheetWindow::OfferSave() {
    if (!ws_.ModifiedPanel) {
        return true;
    }
    if (prompts_.Message(QString::fromLatin1(kSaveChangesTitle),
                         QString::fromLatin1(kSaveChangesText), QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Warning) != QMessageBox::Yes) {
        ws_.ModifiedPanel = false;
        return true;
    }
    SaveToTable();
    return !ws_.ModifiedPanel;
}

void WorksheetWindow::MoveTo(int row) {
    if (!ws_.HasRow(row)) {
        return;
    }
    const QString target = ws_.Table().Cell(row, ISColumn::RecNo);
    if (!OfferSave()) {
        ShowCurrentRow();
        return;
    }
    for (int found = 1; found < ws_.Table().RowCount(); ++found) {
        if (ws_.Table().Cell(found, ISColumn::RecNo) == target) {
            ws_.CurrentRow = found;
            break;
        }
    }
    ShowCurrentRow();
}

void WorksheetWindow::SaveToTable() {
    if (!ws_.HasRow(ws_.CurrentRow)) {
        return;
    }
    StatementSaveOutcome outcome;
    if (!Run([&] { outcome = ws_.SaveToTable(ws_.CurrentRow, panel_->Entry()); })) {
        return;
    }
    if (outcome.kind == StatementSaveOutcome::Conflict) {
        QApplication::beep();
        kiv5::ui::ShowErrorWindowSafely(prompts_, 11100);
        kiv5::ui::CompareDialog dialog(QStringLiteral("Income Record Conflict"),
                                       outcome.conflict.slot, outcome.conflict.stored,
                                       outcome.conflict.edited, this);
        const bool keepEdited = prompts_.Exec(dialog) == kiv5::ui::CompareDialog::KeepRight;
        Run([&] { ws_.ResolveConflict(outcome.conflict, keepEdited); });
    }
    ShowCurrentRow();
}

void WorksheetWindow::AddLine() {
    if (!OfferSave()) {
        return;
    }
    int row = 0;
    if (!Run([&] { row = ws_.Add(); })) {
        return;
    }
    ShowCurrentRow();
    panel_->SetEntry(ws_.NewLineEntry(row));
    panel_->FocusDescription();
}

void WorksheetWindow::DeleteLine() {
    if (!ws_.HasRow(ws_.CurrentRow) ||
        prompts_.Message(QStringLiteral("Delete Warning!"),
                         QStringLiteral("Are You Sure You Want To Delete This Item?"),
                         QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Warning) != QMessageBox::Yes) {
        return;
    }
    StatementDeleteOutcome outcome;
    if (Run([&] { outcome = ws_.Delete(ws_.CurrentRow); }) && outcome.code != 0) {
        QApplication::beep();
        kiv5::ui::ShowErrorWindowSafely(prompts_, outcome.code);
    }
    ShowCurrentRow();
}

void WorksheetWindow::GoFirst() {
    MoveTo(ws_.First());
}

void WorksheetWindow::GoPrior() {
    MoveTo(ws_.Prior(ws_.CurrentRow));
}

void WorksheetWindow::GoNext() {
    MoveTo(ws_.Next(ws_.CurrentRow));
}

void WorksheetWindow::GoLast() {
    MoveTo(ws_.Last());
}

void WorksheetWindow::FastFind() {
    const std::optional<QString> text = prompts_.Input(
        QStringLiteral("Find Dialog"), QStringLiteral("Enter the text you're searching for."), {});
    if (!text) {
        return;
    }
    int from = 1;
    while (const std::optional<int> row = ws_.FindFrom(*text, from)) {
        MoveTo(*row);
        if (prompts_.Message(
                QStringLiteral("Search Results Dialog"), QStringLiteral("Continue Searching?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) != QMessageBox::Yes) {
            break;
        }
        from = qMax(*row, ws_.CurrentRow) + 1;
    }
    prompts_.Inform(QStringLiteral("Search Complete Dialog"), QStringLiteral("Done!"));
}

void WorksheetWindow::ImportCalendar() {
    if (!OfferSave()) {
        return;
    }
    const QDate today = context_.clock.CurrentDateTime().date();
    kiv5::ui::SelectDateDialog dateDialog(today.addMonths(-1), context_.clock, this);
    dateDialog.SetText(
        QStringLiteral("Select or enter the date after which calendar entries will be imported."));
    if (prompts_.Exec(dateDialog) != QDialog::Accepted || !dateDialog.SelectedDate()) {
        return;
    }
    QStringList clients;
    if (!Run([&] { clients = BuildClientSelectorList(ws_.settings, context_.progress, this); })) {
        return;
    }
    ClientSelector selector(clients, QString(), this);
    if (prompts_.Exec(selector) != QDialog::Accepted) {
        return;
    }
    StatementImportOutcome outcome;
    const bool done = Run([&] {
        outcome =
            ws_.ImportCalendar(CalendarFilePath(ws_.settings.FilesDirectory),
                               DateToDayCount(*dateDialog.SelectedDate()), selector.ClientNo());
    });
    if (done && outcome.code != 0) {
        QApplication::beep();
        kiv5::ui::ShowErrorWindowSafely(prompts_, outcome.code);
    }
    ShowCurrentRow();
}

void WorksheetWindow::SaveBackupText() {
    Run([this] { ws_.WriteBackupText(); });
}

void WorksheetWindow::RestoreBackupText() {
    const std::optional<QString> path = prompts_.OpenFile({.title = "Open IS Backup Dialog",
                                                           .folder = ws_.settings.ISDirectory,
                                                           .fileName = "*.txt",
                                                           .filter = "IS5 Backup Files|*.txt",
                                                           .defaultExtension = "txt",
                                                           .mustExist = true});
    if (!path) {
        return;
    }
    Run([&] { ws_.Restore(*path); });
    ShowCurrentRow();
}

void WorksheetWindow::InsertShorthand(int key) {
    panel_->ReplaceDescription(shorthand_.value(key - 1).left(SHORTHANDLENGTH));
    ws_.ModifiedPanel = true;
}

void WorksheetWindow::ApplyColumnWidths() {
    std::vector<int> widths(ISColumn::Count, -1);
    for (int column = 0; column < kKeptWidths; ++column) {
        const int stored = ws_.settings.ISColumnWidth[static_cast<std::size_t>(column)];
        widths[static_cast<std::size_t>(column)] = stored > 0 ? stored : kDefaultWidth;
    }
    view_->SetColumnWidths(widths);
}

void WorksheetWindow::KeepColumnWidths() {
    const std::vector<int> widths = view_->ColumnWidths();
    for (int column = 0; column < kKeptWidths; ++column) {
        ws_.settings.ISColumnWidth[static_cast<std::size_t>(column)] =
            widths[static_cast<std::size_t>(column)];
    }
}

void WorksheetWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        OfferSave();
        Run([this] { ws_.WriteBackupText(); });
        KeepColumnWidths();
        ws_.Close();
        closed_ = true;
        emit Closed();
    }
    event->accept();
}

} // namespace kiv5::billing::ui

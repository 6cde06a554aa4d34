#include "books/ui/LedgerWindow.h"

#include "books/core/LedgerLayout.h"
#include "common/ui/MenuItems.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"

#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

namespace kiv5::books::ui {

kiv5::ui::RecordTableLook LedgerLook(LedgerId id) {
    kiv5::ui::RecordTableLook look;
    look.captions = ColumnCaptions(ColumnsOf(id));
    look.sortedCapitals = true;
    look.centredColumns = {LedgerColumn::Mark,     LedgerColumn::Number,   LedgerColumn::Date,
                           LedgerColumn::ClientNo, LedgerColumn::Category, LedgerColumn::Account,
                           LedgerColumn::Code};
    look.moneyColumns = {LedgerColumn::Amount};
    look.markColumn = LedgerColumn::Mark;
    look.rowColouring = kiv5::ui::RowColouring::LedgerStriped;
    look.tightSortMarkColumns = {LedgerColumn::Number};
    return look;
}

LedgerWindow::LedgerWindow(Ledger& ledger, kiv5::ui::Prompts& prompts, ProgressTracker& progress,
                           QWidget* parent)
    : QWidget(parent), ledger_(ledger) {
    const LedgerKind& kind = ledger.Kind();
    setObjectName(kind.id == LedgerId::Income ? QStringLiteral("incomeWindow")
                                              : QStringLiteral("expenseWindow"));
    setWindowTitle(kind.caption);
    toolBar_ = new QToolBar(this);
    addAction_ = AddTool(QStringLiteral("Add"), kind.addHint, QStringLiteral("spdAdd"));
    deleteAction_ = AddTool(QStringLiteral("Del"), kind.deleteHint, QStringLiteral("spdDel"));
    findAction_ = AddTool(QStringLiteral("Find"), kind.findHint, QStringLiteral("spdFind"));
    filterAction_ = AddTool(QStringLiteral("Filter"), kind.filterHint, QStringLiteral("spdFilter"));
    selectAction_ = AddTool(QStringLiteral("Select"), QStringLiteral("Select All"),
                            QStringLiteral("spdSelect"));
    deselectAction_ = AddTool(QStringLiteral("Deselect"), QStringLiteral("Select None"),
                              QStringLiteral("spdDeselect"));
    cancelAction_ = AddTool(QStringLiteral("Cancel"), QStringLiteral("Cancel filter"),
                            QStringLiteral("spdCancel"));
    connect(addAction_, &QAction::triggered, this, &LedgerWindow::AddRequested);
    connect(deleteAction_, &QAction::triggered, this, &LedgerWindow::DeleteRequested);
    connect(findAction_, &QAction::triggered, this, &LedgerWindow::FindRequested);
    connect(filterAction_, &QAction::triggered, this, &LedgerWindow::FilterRequested);
    connect(selectAction_, &QAction::triggered, this, [this] { emit SelectAllRequested(true); });
    connect(deselectAction_, &QAction::triggered, this, [this] { emit SelectAllRequested(false); });
    connect(cancelAction_, &QAction::triggered, this, &LedgerWindow::CancelFilterRequested);

    model_ = new kiv5::ui::RecordTableModel(ledger.Table(), ledger.Profile(), ledger.Sort(),
                                            LedgerLook(kind.id), this);
    view_ = new kiv5::ui::RecordTableView(*model_, prompts, progress, this);
    view_->setObjectName(QStringLiteral("ledgerTable"));
    auto* menu = new QMenu(view_);
    menu->addAction(kind.deleteThisMenu, this, &LedgerWindow::DeleteRequested);
    menu->addAction(kind.deleteSelectedMenu, this, &LedgerWindow::DeleteSelectedRequested);
    menu->addAction(kind.editThisMenu, this, &LedgerWindow::EditRequested);
    QAction* add = menu->addAction(kind.addMenu, this, &LedgerWindow::AddRequested);
    add->setShortcut(kind.addMenuKey);
    add->setShortcutContext(Qt::WidgetShortcut);
    view_->SetContextMenu(menu);
    connect(view_, &kiv5::ui::RecordTableView::EditRequested, this, &LedgerWindow::EditRequested);
    connect(view_, &kiv5::ui::RecordTableView::CurrentRowChanged, this, [this](int row) {
        if (row > 0) {
            ledger_.CurrentRow = row;
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(view_);
}

QAction* LedgerWindow::AddTool(const QString& text, const QString& hint, const QString& name) {
    QAction* action = kiv5::ui::AddToolButton(toolBar_, text, hint);
    action->setObjectName(name);
    return action;
}

void LedgerWindow::Reload() {
    const int current = ledger_.CurrentRow;
    view_->Reload();
    if (ledger_.HasRow(current) && !ledger_.Table().IsHidden(current)) {
        view_->SetCurrentTableRow(current);
    }
}

void LedgerWindow::RowChanged(int row) {
    model_->RowChanged(row);
}

void LedgerWindow::SetCommandsEnabled(bool enabled) {
    for (QAction* action : {addAction_, deleteAction_, findAction_, filterAction_, selectAction_,
                            deselectAction_, cancelAction_}) {
        action->setEnabled(enabled);
    }
}

void LedgerWindow::SetTableFont(const QFont& font) {
    view_->setFont(font);
    view_->SetRowHeight(QFontMetrics(font).height() + 8);
}

} // namespace kiv5::books::ui

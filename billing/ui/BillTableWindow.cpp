#include "billing/ui/BillTableWindow.h"

#include "billing/core/BillColumns.h"
#include "billing/core/TBillRec.h"
#include "common/ui/MenuItems.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kiv5::billing::ui {

kiv5::ui::RecordTableLook BillTableLook() {
    kiv5::ui::RecordTableLook look;
    look.captions = ColumnCaptions(BillColumns());
    look.sortedCapitals = true;
    look.centredColumns = {BillColumn::Mark, BillColumn::ClientNo, BillColumn::LastBill,
                           BillColumn::Interest};
    look.moneyColumns = {BillColumn::BalanceForward};
    for (int line = 0; line < kBillLines; ++line) {
        look.moneyColumns.insert(BillColumn::FirstAmount + 2 * line);
    }
    look.percentColumns = {BillColumn::InterestRate};
    look.markColumn = BillColumn::Mark;
    look.rowColouring = kiv5::ui::RowColouring::Striped;
    return look;
}

BillTableWindow::BillTableWindow(RecordTable& table, const TableProfile& profile, SortState& sort,
                                 kiv5::ui::Prompts& prompts, ProgressTracker& progress,
                                 QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("billingWindow"));
    setWindowTitle(QStringLiteral("Billing Window"));
    toolBar_ = new QToolBar(this);
    addAction_ =
        AddTool(QStringLiteral("Add"), QStringLiteral("Add a bill"), QStringLiteral("spdAdd"));
    deleteAction_ = AddTool(QStringLiteral("Del"), QStringLiteral("Delete the current bill"),
                            QStringLiteral("spdDel"));
    findAction_ = AddTool(QStringLiteral("Find"), QStringLiteral("Search for bills"),
                          QStringLiteral("spdFind"));
    selectAction_ = AddTool(QStringLiteral("Select All"), QStringLiteral("Select all bills"),
                            QStringLiteral("spdSelect"));
    deselectAction_ = AddTool(QStringLiteral("Deselect"), QStringLiteral("Select no bills"),
                              QStringLiteral("spdDeselect"));
    filterAction_ = AddTool(QStringLiteral("Filter"), QStringLiteral("Filter bills"),
                            QStringLiteral("spdFilter"));
    cancelAction_ = AddTool(QStringLiteral("Cancel"), QStringLiteral("Cancel filter"),
                            QStringLiteral("spdCancel"));
    if (QWidget* button = toolBar_->widgetForAction(filterAction_)) {
        button->setObjectName(QStringLiteral("pnlFilter"));
    }
    connect(addAction_, &QAction::triggered, this, &BillTableWindow::AddRequested);
    connect(deleteAction_, &QAction::triggered, this, &BillTableWindow::DeleteRequested);
    connect(findAction_, &QAction::triggered, this, &BillTableWindow::FindRequested);
    connect(filterAction_, &QAction::triggered, this, &BillTableWindow::FilterRequested);
    connect(selectAction_, &QAction::triggered, this, [this] { emit SelectAllRequested(true); });
    connect(deselectAction_, &QAction::triggered, this, [this] { emit SelectAllRequested(false); });
    connect(cancelAction_, &QAction::triggered, this, &BillTableWindow::CancelFilterRequested);

    model_ = new kiv5::ui::RecordTableModel(table, profile, sort, BillTableLook(), this);
    view_ = new kiv5::ui::RecordTableView(*model_, prompts, progress, this);
    view_->setObjectName(QStringLiteral("billTable"));
    auto* menu = new QMenu(view_);
    deleteCurrentMenu_ = menu->addAction(QStringLiteral("&Delete Current Bill"), this,
                                         &BillTableWindow::DeleteRequested);
    deleteSelectedMenu_ = menu->addAction(QStringLiteral("Delete &Selected Bills"), this,
                                          &BillTableWindow::DeleteSelectedRequested);
    editMenu_ = menu->addAction(QStringLiteral("&Edit"), this, &BillTableWindow::EditRequested);
    view_->SetContextMenu(menu);
    connect(view_, &kiv5::ui::RecordTableView::EditRequested, this,
            &BillTableWindow::EditRequested);
    connect(view_, &kiv5::ui::RecordTableView::CurrentRowChanged, this,
            &BillTableWindow::CurrentRowChanged);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(view_);
    SetFilterActive(false, false);
}

QAction* BillTableWindow::AddTool(const QString& text, const QString& hint, const QString& name) {
    QAction* action = kiv5::ui::AddToolButton(toolBar_, text, hint);
    action->setObjectName(name);
    return action;
}

void BillTableWindow::Reload() {
    view_->Reload();
}

void BillTableWindow::RowChanged(int row) {
    model_->RowChanged(row);
}

void BillTableWindow::SetCommandsEnabled(bool enabled) {
    for (QAction* action : {addAction_, deleteAction_, findAction_, filterAction_, selectAction_,
                            deselectAction_, deleteCurrentMenu_, deleteSelectedMenu_, editMenu_}) {
        action->setEnabled(enabled);
    }
}

void BillTableWindow::SetFilterActive(bool active, bool fileOpen) {
    filterActive_ = active;
    filterAction_->setText(active ? QStringLiteral("Filter On") : QStringLiteral("Filter"));
    if (QWidget* button = toolBar_->widgetForAction(filterAction_)) {
        button->setStyleSheet(active ? QStringLiteral("background-color: red; color: white;")
                                     : QString());
    }
    cancelAction_->setEnabled(active && fileOpen);
}

void BillTableWindow::SetTableFont(const QFont& font) {
    view_->setFont(font);
    view_->SetRowHeight(QFontMetrics(font).height() + 8);
}

} // namespace kiv5::billing::ui

#include "common/ui/RecordTableView.h"

#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"
#include "common/ui/ActiveRowsProxy.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/RecordTableDelegate.h"
#include "common/ui/RecordTableModel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>

namespace kiv5::ui {
namespace {

// Enables a widget again when it goes out of scope, whatever happened.
class DisabledWhile {
public:
    explicit DisabledWhile(QWidget& widget) : widget_(&widget) { widget.setEnabled(false); }
    ~DisabledWhile() {
        if (widget_)
            widget_->setEnabled(true);
    }
    DisabledWhile(const DisabledWhile&) = delete;
    DisabledWhile& operator=(const DisabledWhile&) = delete;

private:
    QPointer<QWidget> widget_;
};

} // namespace

RecordTableView::RecordTableView(RecordTableModel& model, Prompts& prompts,
                                 ProgressTracker& progress, QWidget* parent)
    : QTableView(parent), model_(model), prompts_(prompts), progress_(progress),
      proxy_(new ActiveRowsProxy(model, this)) {
    setModel(proxy_);
    setItemDelegate(new RecordTableDelegate(*this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Stored widths are shown exactly, however narrow (the mark column is 20
    // pixels), so that nothing the user did not change is written back.
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &RecordTableView::SortByHeader);
}

int RecordTableView::CurrentTableRow() const {
    return currentIndex().isValid() ? currentRow_ : 0;
}

void RecordTableView::SetCurrentTableRow(int tableRow) {
    const int proxyRow = proxy_->ProxyRowOf(tableRow);
    if (proxyRow < 0) {
        selectionModel()->clear();
        return;
    }
    int column = 0;
    while (column < proxy_->columnCount() - 1 && isColumnHidden(column))
        ++column;
    const QModelIndex index = proxy_->index(proxyRow, column);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void RecordTableView::Reload() {
    // The table has changed already: what the current row was is only known
    // from when it became current.
    ReloadKeeping(CurrentTableRow(), currentIndex().isValid() ? currentRecNo_ : QString());
}

void RecordTableView::SetRowHeight(int pixels) {
    verticalHeader()->setDefaultSectionSize(qMax(1, pixels));
}

void RecordTableView::SetColumnWidths(const std::vector<int>& widths) {
    const int count = qMin(static_cast<int>(widths.size()), proxy_->columnCount());
    for (int column = 0; column < count; ++column) {
        const int width = widths[static_cast<std::size_t>(column)];
        if (width < 0) {
            setColumnHidden(column, true);
        } else {
            setColumnHidden(column, false);
            setColumnWidth(column, width);
        }
    }
}

std::vector<int> RecordTableView::ColumnWidths() const {
    std::vector<int> widths;
    for (int column = 0; column < proxy_->columnCount(); ++column)
        widths.push_back(isColumnHidden(column) ? -1 : columnWidth(column));
    return widths;
}

void RecordTableView::SetContextMenu(QMenu* menu) {
    menu_ = menu;
}

void RecordTableView::SortByHeader(int column) {
    const int row = CurrentTableRow();
    const QString recNo = CurrentRecNo();
    bool sorted = false;
    bool failed = false;
    {
        DisabledWhile disabled(*this);
        failed = !RunCommand(prompts_, progress_, [&] {
            ScopedProgress progress(progress_, QStringLiteral("Sorting Records"), this);
            sorted = SortByHeaderClick(model_.Table(), model_.Profile(), model_.Sort(), column,
                                       progress.Callback());
        });
    }
    // A failed sort still reset row 0, the sorted column and the hidden rows.
    if (sorted || failed)
        ReloadKeeping(row, recNo);
    if (sorted)
        emit Sorted(column);
}

void RecordTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableView::mousePressEvent(event);
    const bool markClick =
        (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) &&
        index.isValid() && index.column() == model_.Look().markColumn;
    if (markClick)
        ToggleCurrentMark();
    viewport()->update();
    emit TableClicked();
}

void RecordTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit EditRequested();
}

void RecordTableView::contextMenuEvent(QContextMenuEvent* event) {
    if (!menu_) {
        QTableView::contextMenuEvent(event);
        return;
    }
    menu_->popup(event->globalPos());
    event->accept();
}

void RecordTableView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    // The stripes of marked rows count from the top row: every row may change.
    if (dy != 0)
        viewport()->update();
}

void RecordTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    const int previousRow = currentRow_;
    currentRow_ = current.isValid() ? qMax(0, proxy_->TableRowAt(current.row())) : 0;
    currentRecNo_ = CurrentRecNo();
    if (currentRow_ != previousRow || current.row() != previous.row()) {
        viewport()->update();
        emit CurrentRowChanged(CurrentTableRow());
    }
}

QString RecordTableView::CurrentRecNo() const {
    const int row = currentRow_;
    const RecordTable& table = model_.Table();
    if (row < 1 || row >= table.RowCount() ||
        !model_.Profile().HasColumn(model_.Profile().RecNoColumn))
        return {};
    return table.Cell(row, model_.Profile().RecNoColumn);
}

void RecordTableView::ReloadKeeping(int tableRow, const QString& recNo) {
    model_.Reload();
    const int previousRow = currentRow_;
    currentRow_ = 0;
    currentRecNo_.clear();
    if (tableRow < 1) {
        if (previousRow != 0)
            emit CurrentRowChanged(0);
        return;
    }
    const int found = FindRecord(tableRow, recNo);
    const int row = NearestShownRow(found > 0 ? found : tableRow);
    if (row > 0)
        SetCurrentTableRow(row);
    else if (previousRow != 0)
        emit CurrentRowChanged(0);
}

int RecordTableView::FindRecord(int hint, const QString& recNo) const {
    const RecordTable& table = model_.Table();
    const int column = model_.Profile().RecNoColumn;
    if (recNo.isEmpty() || !model_.Profile().HasColumn(column) || column >= table.ColumnCount())
        return 0;
    if (hint > 0 && hint < table.RowCount() && table.Cell(hint, column) == recNo)
        return hint;
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, column) == recNo)
            return row;
    }
    return 0;
}

int RecordTableView::NearestShownRow(int tableRow) const {
    const RecordTable& table = model_.Table();
    const int start = qMin(tableRow, table.RowCount() - 1);
    for (int row = start; row >= 1 && row < table.RowCount(); ++row) {
        if (!table.IsHidden(row))
            return row;
    }
    for (int row = start - 1; row >= 1; --row) {
        if (!table.IsHidden(row))
            return row;
    }
    return 0;
}

void RecordTableView::ToggleCurrentMark() {
    const int row = CurrentTableRow();
    RecordTable& table = model_.Table();
    const int column = model_.Look().markColumn;
    if (row < 1 || column < 0 || column >= table.ColumnCount())
        return;
    const bool marked = table.Cell(row, column) == QLatin1String("X");
    table.SetCell(row, column, marked ? QString() : QStringLiteral("X"));
    model_.RowChanged(row);
    emit MarkToggled(row);
}

} // namespace kiv5::ui

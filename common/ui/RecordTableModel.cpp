#include "common/ui/RecordTableModel.h"

#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

namespace kiv5::ui {

RecordTableModel::RecordTableModel(RecordTable& table, const TableProfile& profile, SortState& sort,
                                   RecordTableLook look, QObject* parent)
    : QAbstractTableModel(parent), table_(table), profile_(profile), sort_(sort),
      look_(std::move(look)) {}

void RecordTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

void RecordTableModel::RowChanged(int tableRow) {
    if (tableRow < 1 || tableRow >= table_.RowCount() || table_.ColumnCount() == 0)
        return;
    const int row = ModelRowOf(tableRow);
    emit dataChanged(index(row, 0), index(row, table_.ColumnCount() - 1));
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.DataRowCount();
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.ColumnCount();
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= table_.DataRowCount() ||
        index.column() >= table_.ColumnCount())
        return {};
    // QString is implicitly shared: this hands out the stored text, no copy.
    return table_.Cell(TableRowOf(index.row()), index.column());
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= table_.ColumnCount())
        return {};
    if (role == Qt::DisplayRole)
        return HeaderCaption(look_, sort_, section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace kiv5::ui

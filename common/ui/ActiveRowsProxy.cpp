#include "common/ui/ActiveRowsProxy.h"

#include "common/core/RecordTable.h"
#include "common/ui/RecordTableModel.h"

namespace kiv5::ui {

ActiveRowsProxy::ActiveRowsProxy(RecordTableModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(&model);
}

int ActiveRowsProxy::TableRowAt(int proxyRow) const {
    if (proxyRow < 0 || proxyRow >= rowCount())
        return -1;
    const QModelIndex source = mapToSource(index(proxyRow, 0));
    return source.isValid() ? RecordTableModel::TableRowOf(source.row()) : -1;
}

int ActiveRowsProxy::ProxyRowOf(int tableRow) const {
    const int modelRow = RecordTableModel::ModelRowOf(tableRow);
    if (modelRow < 0 || modelRow >= model_.rowCount() || model_.columnCount() == 0)
        return -1;
    const QModelIndex proxy = mapFromSource(model_.index(modelRow, 0));
    return proxy.isValid() ? proxy.row() : -1;
}

bool ActiveRowsProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (sourceParent.isValid())
        return false;
    const int tableRow = RecordTableModel::TableRowOf(sourceRow);
    const RecordTable& table = model_.Table();
    return tableRow < table.RowCount() && !table.IsHidden(tableRow);
}

} // namespace kiv5::ui

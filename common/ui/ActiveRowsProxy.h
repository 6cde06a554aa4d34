#pragma once

#include <QSortFilterProxyModel>

namespace kiv5::ui {

class RecordTableModel;

// The rows a view shows: every data row the table does not hide (the
// filtered and the deleted ones, status -1 and -2, are left out), in table
// order. The proxy never sorts; the table's own sort orders the rows.
class ActiveRowsProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ActiveRowsProxy(RecordTableModel& model, QObject* parent = nullptr);

    RecordTableModel& Model() const { return model_; }
    // The table row shown at a proxy row; -1 if none.
    int TableRowAt(int proxyRow) const;
    // The proxy row of a table row; -1 when it is hidden or no data row.
    int ProxyRowOf(int tableRow) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    RecordTableModel& model_;
};

} // namespace kiv5::ui

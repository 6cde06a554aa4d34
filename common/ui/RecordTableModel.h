#pragma once

#include "common/ui/RecordTableLook.h"

#include <QAbstractTableModel>

namespace kiv5 {
class RecordTable;
struct TableProfile;
struct SortState;
} // namespace kiv5

namespace kiv5::ui {

// The record table as an item model: model row r is table row r + 1, the
// header row 0 appears only as the header captions. Cells are handed out as
// they are stored; formatting is the delegate's business, at paint time.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    RecordTableModel(RecordTable& table, const TableProfile& profile, SortState& sort,
                     RecordTableLook look, QObject* parent = nullptr);

    RecordTable& Table() { return table_; }
    const RecordTable& Table() const { return table_; }
    const TableProfile& Profile() const { return profile_; }
    SortState& Sort() { return sort_; }
    const RecordTableLook& Look() const { return look_; }

    // One reset after the table changed wholesale (open, sort, filter ...).
    void Reload();
    // The cells of one data row changed (its mark, its fields, its status).
    void RowChanged(int tableRow);

    static int TableRowOf(int modelRow) { return modelRow + 1; }
    static int ModelRowOf(int tableRow) { return tableRow - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    RecordTable& table_;
    const TableProfile& profile_;
    SortState& sort_;
    RecordTableLook look_;
};

} // namespace kiv5::ui

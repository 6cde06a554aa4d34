#pragma once

#include "common/ui/RecordTableModel.h"

namespace kiv5::billing::ui {

// How the worksheet draws its table: captions from the worksheet's columns,
// the rate right-aligned as "$ 1,234.50", rows striped white and pale green.
kiv5::ui::RecordTableLook WorksheetLook();

// The worksheet's table model: the caption of the column sorted last is
// followed by " ^".
class WorksheetTableModel : public kiv5::ui::RecordTableModel {
    Q_OBJECT

public:
    WorksheetTableModel(RecordTable& table, const TableProfile& profile, SortState& sort,
                        QObject* parent = nullptr);

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const SortState& sortState_;
};

} // namespace kiv5::billing::ui

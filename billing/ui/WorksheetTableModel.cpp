#include "billing/ui/WorksheetTableModel.h"

#include "billing/core/ISRec.h"
#include "billing/core/WorksheetColumns.h"
#include "common/core/TableSort.h"

namespace kiv5::billing::ui {

kiv5::ui::RecordTableLook WorksheetLook() {
    kiv5::ui::RecordTableLook look;
    look.captions = ColumnCaptions(WorksheetColumns());
    look.moneyColumns = {ISColumn::HourlyRate};
    look.centredColumns = {ISColumn::Mark, ISColumn::ServiceDate};
    // Marks are set by the import and kept; a click does not change them.
    look.markColumn = -1;
    look.rowColouring = kiv5::ui::RowColouring::LedgerStriped;
    return look;
}

WorksheetTableModel::WorksheetTableModel(RecordTable& table, const TableProfile& profile,
                                         SortState& sort, QObject* parent)
    : RecordTableModel(table, profile, sort, WorksheetLook(), parent), sortState_(sort) {}

QVariant WorksheetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < Look().captions.size()) {
        const QString caption = Look().captions[section];
        if (section == sortState_.SortedColumn && !caption.isEmpty()) {
            return caption + QStringLiteral(" ^");
        }
        return caption;
    }
    return RecordTableModel::headerData(section, orientation, role);
}

} // namespace kiv5::billing::ui

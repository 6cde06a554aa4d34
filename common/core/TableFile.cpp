#include "common/core/TableFile.h"

#include "common/core/Misc.h"

#include <algorithm>

namespace kiv5 {

std::vector<RowAtPosition> RowsInFileOrder(const RecordTable& table, int positionColumn) {
    std::vector<RowAtPosition> rows;
    rows.reserve(static_cast<std::size_t>(table.DataRowCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        rows.push_back({ParseInteger(table.Cell(row, positionColumn)), row});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const RowAtPosition& a, const RowAtPosition& b) {
        return a.position < b.position;
    });
    return rows;
}

} // namespace kiv5

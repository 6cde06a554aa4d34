#include "clientdb/core/ClientNavigation.h"

#include <algorithm>

namespace kiv5 {
namespace {

bool IsDeleted(const RecordTable& table, int row) {
    return table.Status(row) == QLatin1String("-2");
}

// The first active row from `from` down, or 0.
int FirstActiveFrom(const RecordTable& table, int from) {
    for (int row = std::max(from, 1); row < table.RowCount(); ++row) {
        if (table.IsActive(row)) {
            return row;
        }
    }
    return 0;
}

} // namespace

int FirstClientRow(const RecordTable& table) {
    return NextClientRow(table, 0);
}

int LastClientRow(const RecordTable& table) {
    for (int row = table.DataRowCount(); row >= 1; --row) {
        if (!IsDeleted(table, row)) {
            return row;
        }
    }
    return 0;
}

int NextClientRow(const RecordTable& table, int CurrentRowNo) {
    for (int row = std::max(CurrentRowNo + 1, 1); row < table.RowCount(); ++row) {
        if (!IsDeleted(table, row)) {
            return row;
        }
    }
    return 0;
}

int PriorClientRow(const RecordTable& table, int currentRow) {
    if (currentRow <= 1 || table.DataRowCount() == 0) {
        return 0;
    }
    int row = std::min(currentRow - 1, table.DataRowCount());
    while (row > 2 && !table.IsActive(row)) {
        --row;
    }
    return table.IsActive(row) ? row : FirstActiveFrom(table, row);
}

RowAfterDelete RowAfterDeletion(const RecordTable& table, int currentRow, bool formOpen) {
    if (table.DataRowCount() == 0) {
        return {0, formOpen};
    }
    int row = std::clamp(currentRow, 1, table.DataRowCount());
    while (row > 1 && !table.IsActive(row)) {
        --row;
    }
    if (!table.IsActive(row) && formOpen) {
        return {0, true};
    }
    const int active = FirstActiveFrom(table, row);
    return {active, active == 0 && formOpen};
}

} // namespace kiv5

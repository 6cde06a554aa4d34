#include "clientdb/ui/ClientListEntries.h"

#include "clientdb/core/ClientTable.h"

namespace kiv5::ui {

QString ListEntryText(const RecordTable& table, int row) {
    const QString& last = table.Cell(row, ClientCol::LastName);
    if (last.trimmed().isEmpty()) {
        return table.Cell(row, ClientCol::Company);
    }
    return last + QStringLiteral(", ") + table.Cell(row, ClientCol::FirstName);
}

std::vector<ListEntry> ClientListEntries(const RecordTable& table) {
    std::vector<ListEntry> entries;
    entries.reserve(static_cast<std::size_t>(table.DataRowCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        if (!table.IsActive(row)) {
            continue;
        }
        ListEntry entry;
        entry.text = ListEntryText(table, row);
        entry.Selected = table.Cell(row, ClientCol::Mark) == QLatin1String("X");
        entry.LVRecNo = table.Cell(row, ClientCol::RecNo).toInt();
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace kiv5::ui

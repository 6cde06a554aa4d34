#include "common/core/ColumnWidthSettings.h"

namespace kiv5 {

void AddColumnWidthSettings(SettingsTable& table, ColumnSchema columns, std::span<qint32> widths,
                            int unit) {
    for (const ColumnSpec& column : columns) {
        if (column.KeepsWidth()) {
            table.push_back(IntegerSetting(QString::fromLatin1(column.WidthSetting),
                                           &widths[static_cast<std::size_t>(column.Index)],
                                           column.Width.Pixels(unit)));
        }
    }
}

} // namespace kiv5

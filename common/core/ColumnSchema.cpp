#include "common/core/ColumnSchema.h"

namespace kiv5 {

int ColumnOfRole(ColumnSchema schema, ColumnRole role) {
    for (const ColumnSpec& column : schema) {
        if (column.Role == role) {
            return column.Index;
        }
    }
    return -1;
}

QStringList ColumnCaptions(ColumnSchema schema) {
    QStringList captions;
    captions.reserve(static_cast<qsizetype>(schema.size()));
    for (const ColumnSpec& column : schema) {
        captions.append(QString::fromUtf8(column.Caption));
    }
    return captions;
}

std::vector<int> ColumnsWith(ColumnSchema schema, bool ColumnSpec::*participates) {
    std::vector<int> columns;
    for (const ColumnSpec& column : schema) {
        if (column.*participates) {
            columns.push_back(column.Index);
        }
    }
    return columns;
}

} // namespace kiv5

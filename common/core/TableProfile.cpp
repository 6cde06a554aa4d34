#include "common/core/TableProfile.h"

#include <utility>

namespace kiv5 {

ColumnKind TableProfile::Kind(int column) const {
    if (column < 0 || static_cast<std::size_t>(column) >= Kinds.size()) {
        return ColumnKind::Text;
    }
    return Kinds[static_cast<std::size_t>(column)];
}

TableProfile MakeTableProfile(ColumnSchema schema, const TableRules& rules, HeaderRowReset reset) {
    TableProfile p;
    p.ColumnCount = static_cast<int>(schema.size());
    p.MarkColumn = ColumnOfRole(schema, ColumnRole::Mark);
    p.RecNoColumn = ColumnOfRole(schema, ColumnRole::RecNo);
    p.StatusColumn = ColumnOfRole(schema, ColumnRole::Status);
    for (const ColumnSpec& column : schema) {
        p.Kinds.push_back(column.Kind);
    }
    p.Order = rules.Order;
    p.ClickRule = rules.ClickRule;
    p.MinimumSortRows = rules.MinimumSortRows;
    p.FindColumns = ColumnsWith(schema, &ColumnSpec::Find);
    p.FindCaseRule = rules.FindCaseRule;
    p.FindActiveRowsOnly = rules.FindActiveRowsOnly;
    p.ResetHeaderRow = std::move(reset);
    return p;
}

void ResetHeaderRow(RecordTable& table, const TableProfile& profile) {
    if (profile.ResetHeaderRow) {
        profile.ResetHeaderRow(table);
        return;
    }
    table.SetRow(0, QStringList());
    table.SetHidden(0, false);
}

QChar UpperCaseChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
        return (u >= 'a' && u <= 'z') ? QChar(u - 0x20) : c;
    }
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) {
        return QChar(u - 0x20);
    }
    switch (u) {
    case 0x00FF: // ÿ
        return QChar(0x0178);
    case 0x0161: // š
        return QChar(0x0160);
    case 0x0153: // œ
        return QChar(0x0152);
    case 0x017E: // ž
        return QChar(0x017D);
    default:
        return c;
    }
}

QString UpperCaseText(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        d[i] = UpperCaseChar(text[i]);
    }
    return out;
}

} // namespace kiv5

#include "common/core/TableProfile.h"

#include <initializer_list>
#include <utility>

namespace kiv5 {
namespace {

std::vector<ColumnKind> Kinds(int count, std::initializer_list<std::pair<int, ColumnKind>> kinds) {
    std::vector<ColumnKind> out(static_cast<std::size_t>(count), ColumnKind::Text);
    for (const auto& [column, kind] : kinds) {
        out[static_cast<std::size_t>(column)] = kind;
    }
    return out;
}

std::vector<int> ColumnRange(int first, int last) {
    std::vector<int> out;
    for (int column = first; column <= last; ++column) {
        out.push_back(column);
    }
    return out;
}

} // namespace

ColumnKind TableProfile::Kind(int column) const {
    if (column < 0 || static_cast<std::size_t>(column) >= Kinds.size()) {
        return ColumnKind::Text;
    }
    return Kinds[static_cast<std::size_t>(column)];
}

TableProfile ClientTableProfile(HeaderRowReset reset) {
    TableProfile p;
    p.ColumnCount = 22;
    p.MarkColumn = 1;
    p.RecNoColumn = 20;
    p.StatusColumn = 21;
    p.Kinds = Kinds(22, {{20, ColumnKind::Integer}, {21, ColumnKind::Integer}});
    p.Order = TextOrder::UpperAscending;
    p.ClickRule = HeaderClickRule::FlipLastThenSort;
    p.FindColumns = ColumnRange(2, 17);
    p.FindActiveRowsOnly = true;
    p.ResetHeaderRow = std::move(reset);
    return p;
}

TableProfile BookkeepingTableProfile(HeaderRowReset reset) {
    TableProfile p;
    p.ColumnCount = 14;
    p.MarkColumn = 0;
    p.RecNoColumn = 12;
    p.StatusColumn = 13;
    p.Kinds = Kinds(14, {{2, ColumnKind::Date}, {9, ColumnKind::Money}, {12, ColumnKind::Integer}});
    p.MinimumSortRows = 2;
    p.FindColumns = ColumnRange(1, 9);
    p.ResetHeaderRow = std::move(reset);
    return p;
}

TableProfile BillTableProfile(HeaderRowReset reset) {
    TableProfile p;
    p.ColumnCount = 42;
    p.MarkColumn = 0;
    p.RecNoColumn = 40;
    p.StatusColumn = 41;
    p.Kinds = Kinds(42, {{3, ColumnKind::Date},
                         {4, ColumnKind::Money},
                         {6, ColumnKind::Money},
                         {37, ColumnKind::Money},
                         {40, ColumnKind::Integer}});
    p.FindColumns = {1, 2, 3, 4, 5, 6, 25, 35, 36, 37};
    p.ResetHeaderRow = std::move(reset);
    return p;
}

TableProfile WorksheetTableProfile(HeaderRowReset reset) {
    TableProfile p;
    p.ColumnCount = 9;
    p.MarkColumn = 0;
    p.RecNoColumn = 7;
    p.StatusColumn = 8;
    // Time spent and the rate hold amounts with separators ("$" before an
    // entered rate), so they order as numbers.
    p.Kinds = Kinds(9, {{1, ColumnKind::Date},
                        {3, ColumnKind::Money},
                        {4, ColumnKind::Money},
                        {7, ColumnKind::Integer},
                        {8, ColumnKind::Integer}});
    p.FindColumns = ColumnRange(1, 4);
    p.FindCaseRule = FindCase::Exact;
    p.FindActiveRowsOnly = true;
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

#include "common/core/FastFind.h"

#include <QStringView>

namespace kiv5 {
namespace {

// The text as the cells are compared with it.
QString SearchForm(const TableProfile& profile, const QString& text) {
    return profile.FindCaseRule == FindCase::Upper ? UpperCaseText(text) : text;
}

// Upper-cases the cell while scanning, so searching makes no copies.
bool ContainsUpper(QStringView cell, QStringView needle) {
    const qsizetype m = needle.size();
    const QChar first = needle[0];
    for (qsizetype i = 0; i + m <= cell.size(); ++i) {
        if (UpperCaseChar(cell[i]) != first) {
            continue;
        }
        qsizetype j = 1;
        while (j < m && UpperCaseChar(cell[i + j]) == needle[j]) {
            ++j;
        }
        if (j == m) {
            return true;
        }
    }
    return false;
}

bool MatchesPrepared(const RecordTable& table, const TableProfile& profile, QStringView needle,
                     int row) {
    if (needle.isEmpty() || row < 1 || row >= table.RowCount()) {
        return false;
    }
    const bool upper = profile.FindCaseRule == FindCase::Upper;
    for (const int column : profile.FindColumns) {
        if (column < 0 || column >= table.ColumnCount()) {
            continue;
        }
        const QString& cell = table.Cell(row, column);
        if (upper ? ContainsUpper(cell, needle) : QStringView(cell).contains(needle)) {
            return true;
        }
    }
    return false;
}

std::optional<int> NextPrepared(const RecordTable& table, const TableProfile& profile,
                                QStringView needle, int fromRow) {
    if (needle.isEmpty()) {
        return std::nullopt;
    }
    for (int row = std::max(fromRow, 1); row < table.RowCount(); ++row) {
        if (IsRowSearched(table, profile, row) && MatchesPrepared(table, profile, needle, row)) {
            return row;
        }
    }
    return std::nullopt;
}

} // namespace

bool RowMatches(const RecordTable& table, const TableProfile& profile, const QString& text,
                int row) {
    return MatchesPrepared(table, profile, SearchForm(profile, text), row);
}

bool IsRowSearched(const RecordTable& table, const TableProfile& profile, int row) {
    if (row < 1 || row >= table.RowCount()) {
        return false;
    }
    return !profile.FindActiveRowsOnly || table.IsActive(row);
}

std::optional<int> NextMatch(const RecordTable& table, const TableProfile& profile,
                             const QString& text, int fromRow) {
    return NextPrepared(table, profile, SearchForm(profile, text), fromRow);
}

std::vector<int> RowsToOpen(const RecordTable& table, const TableProfile& profile,
                            const QString& text) {
    const QString needle = SearchForm(profile, text);
    std::vector<int> rows;
    for (auto row = NextPrepared(table, profile, needle, 1); row;
         row = NextPrepared(table, profile, needle, *row + 1)) {
        rows.push_back(*row);
    }
    return rows;
}

} // namespace kiv5

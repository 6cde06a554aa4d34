#pragma once

#include "common/core/ColumnSchema.h"
#include "common/core/RecordTable.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

namespace kiv5 {

// How text columns order.
enum class TextOrder {
    // Ascending by the upper-case forms, descending by the texts as they are
    // (the client table: "adams" and "Adams" tie going up, "adams" leads going
    // down).
    UpperAscending,
    // Both directions by the texts as they are.
    Exact,
};

// What a click on a header cell does with the direction flags.
enum class HeaderClickRule {
    // Flip the flag of the column sorted last, then sort by the clicked one.
    FlipLastThenSort,
    // Sort by the clicked column, then flip its flag.
    SortThenFlip,
};

// How fast find compares the search text with the cells.
enum class FindCase {
    // Both upper-cased: the search ignores letter case.
    Upper,
    // As typed.
    Exact,
};

// Makes row 0 the program's blank row again after a sort; the row
// conversions live in each program's core, so the program supplies it.
using HeaderRowReset = std::function<void(RecordTable&)>;

// One program's table described as data: columns, how they sort, and what
// fast find searches.
struct TableProfile {
    int ColumnCount = 0;
    int MarkColumn = 0;
    int RecNoColumn = 0;
    int StatusColumn = 0;
    // One per column.
    std::vector<ColumnKind> Kinds;
    TextOrder Order = TextOrder::Exact;
    HeaderClickRule ClickRule = HeaderClickRule::SortThenFlip;
    // A table with fewer data rows is left alone by every sort. Zero: even an
    // empty table sorts, which still resets row 0 (slot 0 of a new file).
    int MinimumSortRows = 0;
    std::vector<int> FindColumns;
    FindCase FindCaseRule = FindCase::Upper;
    // Fast find opens only rows of status "0".
    bool FindActiveRowsOnly = false;
    // Empty: row 0 becomes a row of empty cells, shown.
    HeaderRowReset ResetHeaderRow;

    ColumnKind Kind(int column) const;
    bool HasColumn(int column) const { return column >= 0 && column < ColumnCount; }
    RecordTable MakeTable() const { return RecordTable(ColumnCount, StatusColumn); }
};

// What a table's profile takes from the table as a whole rather than from
// its columns.
struct TableRules {
    TextOrder Order = TextOrder::Exact;
    HeaderClickRule ClickRule = HeaderClickRule::SortThenFlip;
    int MinimumSortRows = 0;
    FindCase FindCaseRule = FindCase::Upper;
    bool FindActiveRowsOnly = false;
};

// The profile of a table: columns, kinds, the mark, record number and status
// columns and the fast-find columns from the schema, the rest from the rules.
TableProfile MakeTableProfile(ColumnSchema schema, const TableRules& rules,
                              HeaderRowReset reset = {});

// Row 0 after a sort, through the profile's reset.
void ResetHeaderRow(RecordTable& table, const TableProfile& profile);

// The upper-case form tables sort and search by: the letters of Windows-1252
// ("a"-"z", "à"-"þ" but "÷", "š", "œ", "ž", "ÿ") become their capitals; every
// other character ("ß", "µ" included) stays.
QChar UpperCaseChar(QChar c);
QString UpperCaseText(QStringView text);

} // namespace kiv5

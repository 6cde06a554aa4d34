#pragma once

#include "common/core/PercentProgress.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"

#include <functional>
#include <vector>

namespace kiv5 {

// The sort memory of one table for the whole run: a direction flag per
// column (set = ascending) and the column sorted last.
struct SortState {
    static constexpr int NoColumn = -1;

    SortState() = default;
    explicit SortState(int columnCount) : AscendFlag(static_cast<std::size_t>(columnCount), true) {}
    explicit SortState(const TableProfile& profile) : SortState(profile.ColumnCount) {}

    // A column without a flag counts as ascending.
    bool IsAscending(int column) const;
    // Does nothing for a column without a flag (NoColumn included).
    void FlipFlag(int column);

    std::vector<bool> AscendFlag;
    int SortedColumn = NoColumn;
};

// Where the Shell sort by ACol puts rows 1..n: entry i - 1 is the row that
// ends up as row i. Progress is told once per gap: (n - gap) / n * 100
// rounded to the nearest whole number, halves to even. Every cell of the column is converted first,
// so a cell that does not convert throws ConversionError before anything is decided. The table is
// not changed.
std::vector<int> ShellSortOrder(const RecordTable& table, const TableProfile& profile, int ACol,
                                bool ascending, const PercentProgress& progress = {});

// Sorts rows 1..n by ACol in the direction of its flag, then resets row 0,
// makes ACol the sorted column and shows or hides every row by its status;
// the last three also happen when a cell does not convert (the
// ConversionError then goes on, rows in their old order). Returns false, and
// does nothing at all, when the table holds fewer data rows than the profile
// sorts or ACol is no column of it.
bool SortColumnShell(RecordTable& table, const TableProfile& profile, SortState& state, int ACol,
                     const PercentProgress& progress = {});

// A click on the header cell of ACol, by the profile's rule. Returns whether
// it sorted; a table too small to sort keeps its flags. When a cell does not
// convert, a flag flipped before the sort stays flipped and one due after it
// is not flipped.
bool SortByHeaderClick(RecordTable& table, const TableProfile& profile, SortState& state, int ACol,
                       const PercentProgress& progress = {});

} // namespace kiv5

#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace kiv5 {
struct SortState;
}

namespace kiv5::ui {

// How data rows are coloured apart from the current row (light blue).
enum class RowColouring {
    // Marked rows striped money green and white by position, others grey.
    MarkedStriped,
    // Marked rows silver, others striped money green and white by position.
    LedgerStriped,
    // Every row striped money green and white by position, marked or not.
    Striped,
};

// How one program draws its record table: captions, alignment and the
// columns with a meaning of their own.
struct RecordTableLook {
    // One per column; empty = no caption.
    QStringList captions;
    // The caption of the column sorted last in capitals with " v" (ascending
    // flag set) or " ^" (flag clear); otherwise captions stay as they are.
    bool sortedCapitals = false;
    // Centred in the cell (left edge when wider than it); other text starts
    // 1 px from the left edge.
    QSet<int> centredColumns;
    // Drawn as "$ 1,234.50", right-aligned 2 px from the right edge.
    QSet<int> moneyColumns;
    // Drawn as "7.50%", right-aligned like money.
    QSet<int> percentColumns;
    // Red on the current row and window face elsewhere; -1 for none.
    int indicatorColumn = -1;
    // Where a left or middle click toggles the current row's mark.
    int markColumn = 0;
    RowColouring rowColouring = RowColouring::MarkedStriped;
    // Sorted captions whose direction mark follows without a blank
    // ("REC NO.v").
    QSet<int> tightSortMarkColumns;
};

// The caption a column shows with the given sort memory.
QString HeaderCaption(const RecordTableLook& look, const SortState& sort, int column);

} // namespace kiv5::ui

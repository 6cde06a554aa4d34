#pragma once

// What the "Name & Address Entry Form" shows of one client row, and the two
// ways between the form and the table.

#include "clientdb/core/MemoList.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <array>

namespace kiv5 {

struct ClientEntry {
    // The fifteen one-line fields of the form in table order: client number
    // (column 2) to note 2 (column 16), the state (column 9) left empty here.
    static constexpr int kFirstColumn = 2;
    static constexpr int kLastColumn = 16;
    std::array<QString, kLastColumn - kFirstColumn + 1> texts{};
    int state = -1; // 0-50, -1 for none
    QString memo;   // line breaks as CR LF
    bool selected = false;
    int recNo = 0;

    QString& Text(int column) { return texts[static_cast<std::size_t>(column - kFirstColumn)]; }
    const QString& Text(int column) const {
        return texts[static_cast<std::size_t>(column - kFirstColumn)];
    }
};

// The form's view of a row (the memo from the memo line when it holds the
// whole memo).
ClientEntry GridRowToEntryForm(const RecordTable& table, int row, const MemoList& memo);

// Writes the form into a row: the mark, the texts, the state's abbreviation
// and the encoded memo, whose overflow goes to memo line RecNo.
void EntryFormToGridRow(const ClientEntry& entry, RecordTable& table, int row, MemoList& memo);

} // namespace kiv5

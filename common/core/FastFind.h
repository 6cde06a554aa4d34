#pragma once

#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"

#include <QString>
#include <optional>
#include <vector>

namespace kiv5 {

// Fast find over a table: a row matches when the search text occurs inside
// one of the profile's searched columns, both upper-cased unless the profile
// searches as typed. An empty text matches nothing. Texts are passed as the
// user typed them.

// Whether the text occurs in one of the searched columns of the row.
bool RowMatches(const RecordTable& table, const TableProfile& profile, const QString& text,
                int row);

// Whether fast find looks at the row at all (some tables skip rows that are
// not active).
bool IsRowSearched(const RecordTable& table, const TableProfile& profile, int row);

// The first row from fromRow (at least 1) to the last that is searched and
// matches; none after the last row. The search command calls it again with
// the found row + 1 after each entry form closes, so it walks the table as
// it stands then.
std::optional<int> NextMatch(const RecordTable& table, const TableProfile& profile,
                             const QString& text, int fromRow);

// Every row NextMatch would stop at, in order.
std::vector<int> RowsToOpen(const RecordTable& table, const TableProfile& profile,
                            const QString& text);

} // namespace kiv5

#pragma once

// The full printout (template page 3): every table row in the table's
// current order, deleted and filtered clients included, as lines of RTF, 50
// lines a page; a client's lines may run over a page boundary.

#include "clientdb/core/ClientDocument.h"

#include <QStringList>

namespace kiv5 {

inline constexpr char kFullPrintoutFileName[] = "Full Printout.RTF";
inline constexpr int kFullPrintoutLinesPerPage = 50;

// The memo a row has, line breaks encoded: memo line RecNo when it is not
// empty, else the memo column. Empty when the client has none.
QString ClientMemoText(const RecordTable& table, int row, const MemoList& memo);

// The printout lines of one row: three data lines, "\b Memo:\b0" and the
// memo's display lines (an empty line each when there is no memo), a centred
// rule of 150 hyphens and an empty line. User text is escaped; the lines'
// own control words stay.
QStringList FullPrintoutClientLines(const RecordTable& table, int row, const MemoList& memo);

// The lines of every row 1..n in table order.
QStringList FullPrintoutLines(const RecordTable& table, const MemoList& memo);

// Builds the full printout and writes it; returns its path. Throws IoError
// for a missing template (no document is written).
QString SendFullPO(const ClientDocumentSource& source, TAnswer& answers);

} // namespace kiv5

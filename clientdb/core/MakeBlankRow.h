#pragma once

// New client rows and their generated client numbers.

#include "common/core/Clock.h"
#include "common/core/RecordTable.h"

#include <QString>

namespace kiv5 {

// A client number YYMMDDNN from today's date and ClientSubNo that no other
// row 1..n (deleted rows included) holds in its client number column. Each
// collision advances ClientSubNo (99 wraps to 0); after 100 collisions the
// number is "Z" and a random 0..9999998, unchecked. A ClientSubNo outside
// 0..99 starts again at 0.
QString GenerateClientNo(const RecordTable& table, int ARow, int& ClientSubNo, const Clock& clock);

// Turns row ARow into a new client row: a generated client number, empty
// texts, both stamps now, record number ARecNo (-1 leaves the column as it
// is), status "0", shown. AdvanceCSNFlag moves ClientSubNo on past the number
// used.
void MakeBlankRow(RecordTable& table, int ARow, int ARecNo, bool AdvanceCSNFlag, int& ClientSubNo,
                  const Clock& clock);

} // namespace kiv5

#pragma once

// The backup text of a statement: one tab-separated line per line of the
// statement (deleted ones included), written when the worksheet closes and
// read back by the restore.

#include "billing/core/ISRec.h"
#include "common/core/Clock.h"
#include "common/core/ErrorSink.h"
#include "common/core/RecordTable.h"

#include <vector>

namespace kiv5::billing {

// Beside the statement: its folder and base name with ".txt".
QString StatementBackupTextPath(const QString& statementPath);

// One StatementBackupLine per data row, in table order.
QStringList StatementBackupLines(const RecordTable& table);

// Writes the lines through a temporary file.
void WriteStatementBackupText(const QString& textPath, const RecordTable& table);

// The lines of a backup text as the restore stores them: text line k
// becomes line k - 1 (RecNo k - 1), fields 0 to 4 its mark, date,
// description, time and rate, both stamps now, its status from its status
// field ("0" only when the line has none). The whole text is read before
// anything is stored: a line whose date, time or status does not read
// throws ConversionError naming the line, an empty text too. A rate that
// does not read is reported (21202) and stored as 0.
std::vector<ISRec> ReadStatementBackupText(const QString& textPath, const Clock& clock,
                                           const ErrorSink& errors);

} // namespace kiv5::billing

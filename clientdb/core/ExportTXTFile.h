#pragma once

// The tab-separated export of the client table for other programs: one line
// per client with the fifteen fields client number to note 2 (columns 2-16),
// no heading, Windows-1252, CR LF.

#include "clientdb/core/ClientFile.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <QStringList>

namespace kiv5 {

inline constexpr char kExportProgressText[] = "Exporting Tabbed ASCII File";

// The file name the save dialog offers: the open file's base name + ".txt".
QString ExportDefaultFileName(const QString& FileName);

QString ExportLine(const RecordTable& table, int row);

// The lines of rows 1..n in the table's current order, whatever their
// status; with onlySelected only the rows marked "X".
QStringList ExportLines(const RecordTable& table, bool onlySelected);

// Writes the export anew through a temporary file (an empty file when no
// row is exported). Throws IoError.
void ExportTXTFile(const RecordTable& table, const QString& path, bool onlySelected,
                   const PercentProgress& progress = {});

} // namespace kiv5

#pragma once

#include "tools/kiv5/CommandIo.h"
#include "tools/kiv5/FileKinds.h"

#include <QStringList>

namespace kiv5::tool {

// Writes the dump lines of a data file of the given kind to out. Throws
// IoError when the file cannot be read or its length is not a whole number
// of records (lines already written stay written).
void DumpFile(const QString& path, const FileKind& kind, QTextStream& out);

// kiv5 dump FILE
int RunDump(const QStringList& arguments, CommandIo& io);

} // namespace kiv5::tool

#pragma once

#include "tools/kiv5/CommandIo.h"
#include "tools/kiv5/Fault.h"
#include "tools/kiv5/FileKinds.h"

#include <QStringList>

namespace kiv5::tool {

struct FileCheck {
    qint64 records = 0;     // whole records in the file
    FaultList faults;       // faults and notices, in file order
    int FaultCount() const; // notices not counted
};

// Checks every whole record of a data file of the given kind, and for a
// client file its memo file. Throws IoError when the file cannot be read.
FileCheck CheckFile(const QString& path, const FileKind& kind);

// The memo file that goes with a client file: same folder and base name,
// ".mem", the name matched without regard to letter case.
QString MemoFileBeside(const QString& clientFile);

// The faults of a client file's memo file for a file of `slotCount` slots.
FaultList MemoFileFaults(const QString& clientFile, qint64 slotCount);

// kiv5 check FILE...
int RunCheck(const QStringList& arguments, CommandIo& io);

} // namespace kiv5::tool

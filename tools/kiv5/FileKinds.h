#pragma once

// The record files the suite keeps, known by their extension (letter case
// does not matter): what one record's size is, which cells the programs'
// tables hold for it, and what check looks for in it.

#include "tools/kiv5/Fault.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace kiv5::tool {

using CellsFunction = QStringList (*)(QByteArrayView record, qint64 slot);
using FaultsFunction = FaultList (*)(QByteArrayView record, qint64 slot);

struct FileKind {
    QLatin1StringView extension; // lower case, with the dot
    QLatin1StringView description;
    int recordSize;
    CellsFunction cells;
    FaultsFunction faults;
    bool hasMemoFile; // a client file, whose memo file must go with it
};

const std::vector<FileKind>& FileKinds();

// The kind of a file by its name's extension; nullptr for any other file.
const FileKind* FindFileKind(const QString& path);

// ".pl5, .inc, ..." for messages.
QString KnownExtensions();

} // namespace kiv5::tool

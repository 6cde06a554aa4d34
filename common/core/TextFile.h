#pragma once

#include "common/core/FileIo.h"

#include <QString>
#include <QStringList>

namespace kiv5 {

// Text files of the suite: Windows-1252, lines ended by CR LF, read with CR LF
// or LF. A final line break does not start another line.
QStringList SplitTextLines(QByteArrayView bytes);
QByteArray JoinTextLines(const QStringList& lines);

// Throws IoError with the system's text when the file cannot be read.
QStringList ReadTextLines(const QString& path);
// Writes through a temporary file renamed over the target.
void WriteTextLines(const QString& path, const QStringList& lines);

} // namespace kiv5

#pragma once

#include <QString>
#include <QStringList>

namespace kiv5::tool {

// One dump line: the slot, a tab, then the cells separated by tabs. A tab in
// a cell is written as \t and a line break as \n; every other character,
// backslashes included, stays as it is.
QString DumpLine(qint64 slot, const QStringList& cells);
QString EscapeDumpCell(const QString& cell);

} // namespace kiv5::tool

#pragma once

// The DAT companion of a page template: one line per answer slot, in slot
// order, of seven blank-separated numbers (integer, the slot's type code,
// integer, three reals, integer).

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kiv5 {

struct DatLine {
    int Number1 = 0;
    int TypeCode = 0;
    int Number3 = 0;
    double Real1 = 0.0;
    double Real2 = 0.0;
    double Real3 = 0.0;
    int Number7 = 0;
};

// One line as it must read: exactly seven numbers, the first three and the
// last whole numbers.
std::optional<DatLine> ParseDatLine(const QString& line);

// Every line of a DAT file; blank lines at its end are ignored. Nothing when
// a line does not read (the caller reports 21011).
std::optional<QList<DatLine>> ParseDatLines(const QStringList& lines);

// Reads a DAT file; throws IoError when it cannot be read.
std::optional<QList<DatLine>> ReadDatFile(const QString& path);

// The code character the billing program replaces for a DAT type code:
// 2 "$", 3 "%", 4 "+", 5 "&", 6 "@", 9 "<", 7 none, any other "*".
std::optional<QChar> DatTypeToCodeChar(int typeCode);

} // namespace kiv5

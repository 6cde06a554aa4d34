#include "common/core/RtfDatFile.h"

#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QRegularExpression>

namespace kiv5 {

std::optional<DatLine> ParseDatLine(const QString& line) {
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    const QStringList fields = line.trimmed().split(blanks, Qt::SkipEmptyParts);
    if (fields.size() != 7) {
        return std::nullopt;
    }
    const auto n1 = TryParseInteger(fields[0]);
    const auto type = TryParseInteger(fields[1]);
    const auto n3 = TryParseInteger(fields[2]);
    const auto r1 = TryParseFloat(fields[3]);
    const auto r2 = TryParseFloat(fields[4]);
    const auto r3 = TryParseFloat(fields[5]);
    const auto n7 = TryParseInteger(fields[6]);
    if (!n1 || !type || !n3 || !r1 || !r2 || !r3 || !n7) {
        return std::nullopt;
    }
    return DatLine{*n1, *type, *n3, *r1, *r2, *r3, *n7};
}

std::optional<QList<DatLine>> ParseDatLines(const QStringList& lines) {
    qsizetype count = lines.size();
    while (count > 0 && lines[count - 1].trimmed().isEmpty()) {
        --count;
    }
    QList<DatLine> result;
    result.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const auto line = ParseDatLine(lines[i]);
        if (!line) {
            return std::nullopt;
        }
        result.append(*line);
    }
    return result;
}

std::optional<QList<DatLine>> ReadDatFile(const QString& path) {
    return ParseDatLines(ReadTextLines(path));
}

std::optional<QChar> DatTypeToCodeChar(int typeCode) {
    switch (typeCode) {
    case 2:
        return QLatin1Char('$');
    case 3:
        return QLatin1Char('%');
    case 4:
        return QLatin1Char('+');
    case 5:
        return QLatin1Char('&');
    case 6:
        return QLatin1Char('@');
    case 7:
        return std::nullopt;
    case 9:
        return QLatin1Char('<');
    default:
        return QLatin1Char('*');
    }
}

} // namespace kiv5

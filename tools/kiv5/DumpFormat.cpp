#include "tools/kiv5/DumpFormat.h"

namespace kiv5::tool {

QString EscapeDumpCell(const QString& cell) {
    QString out;
    out.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\t");
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // CR LF is one line break.
            if (c == QLatin1Char('\r') && i + 1 < cell.size() && cell[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            out += QLatin1String("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString DumpLine(qint64 slot, const QStringList& cells) {
    QString line = QString::number(slot);
    for (const QString& cell : cells) {
        line += QLatin1Char('\t');
        line += EscapeDumpCell(cell);
    }
    return line;
}

} // namespace kiv5::tool

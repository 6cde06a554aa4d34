#include "clientdb/core/ExportTXTFile.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/TabbedField.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

namespace kiv5 {

QString ExportDefaultFileName(const QString& FileName) {
    return StripExtension(FileNamePart(FileName)) + QStringLiteral(".txt");
}

QString ExportLine(const RecordTable& table, int row) {
    QStringList fields;
    for (int column = ClientCol::ClientNo; column <= ClientCol::Note2; ++column) {
        fields.append(TabbedField(table.Cell(row, column)));
    }
    return fields.join(QLatin1Char('\t'));
}

namespace {

bool IsExported(const RecordTable& table, int row, bool onlySelected) {
    return !onlySelected || table.Cell(row, ClientCol::Mark) == QLatin1String("X");
}

} // namespace

QStringList ExportLines(const RecordTable& table, bool onlySelected) {
    QStringList lines;
    for (int row = 1; row < table.RowCount(); ++row) {
        if (IsExported(table, row, onlySelected)) {
            lines.append(ExportLine(table, row));
        }
    }
    return lines;
}

void ExportTXTFile(const RecordTable& table, const QString& path, bool onlySelected,
                   const PercentProgress& progress) {
    QStringList lines;
    const int rows = table.DataRowCount();
    for (int row = 1; row <= rows; ++row) {
        if (IsExported(table, row, onlySelected)) {
            lines.append(ExportLine(table, row));
        }
        if (progress) {
            progress(static_cast<int>(static_cast<qint64>(row) * 100 / rows));
        }
    }
    WriteTextLines(path, lines);
}

} // namespace kiv5

#include "billing/core/StatementBackupText.h"

#include "billing/core/StatementRow.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QDir>

namespace kiv5::billing {
namespace {

constexpr int kStatusField = ISColumn::Status;

ISRec ParseBackupLine(const QString& line, int recordNumber, const Clock& clock,
                      const ErrorSink& errors) {
    RecordTable scratch = MakeStatementTable();
    scratch.SetRowCount(2);
    FillISRowFromBackupLine(scratch, 1, line, recordNumber, clock);
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() > kStatusField) {
        scratch.SetCell(1, ISColumn::Status, fields[kStatusField].trimmed());
    }
    const ISRec record = PopulateISRec(scratch, 1, errors);
    if (record.Status != 0 && record.Status != -2) {
        throw ConversionError(QStringLiteral("status %1 is no line status").arg(record.Status));
    }
    return record;
}

} // namespace

QString StatementBackupTextPath(const QString& statementPath) {
    return FolderPart(statementPath) + StripExtension(FileNamePart(statementPath)) +
           QStringLiteral(".txt");
}

QStringList StatementBackupLines(const RecordTable& table) {
    QStringList lines;
    lines.reserve(table.DataRowCount());
    for (int row = 1; row < table.RowCount(); ++row) {
        lines.append(StatementBackupLine(table, row));
    }
    return lines;
}

void WriteStatementBackupText(const QString& textPath, const RecordTable& table) {
    WriteTextLines(textPath, StatementBackupLines(table));
}

std::vector<ISRec> ReadStatementBackupText(const QString& textPath, const Clock& clock,
                                           const ErrorSink& errors) {
    const QStringList lines = ReadTextLines(textPath);
    if (lines.isEmpty()) {
        throw ConversionError(QStringLiteral("\"%1\" holds no statement lines")
                                  .arg(QDir::toNativeSeparators(textPath)));
    }
    std::vector<ISRec> records;
    records.reserve(static_cast<std::size_t>(lines.size()));
    for (int k = 0; k < lines.size(); ++k) {
        try {
            records.push_back(ParseBackupLine(lines[k], k, clock, errors));
        } catch (const ConversionError& e) {
            throw ConversionError(QStringLiteral("Line %1 of \"%2\": %3")
                                      .arg(k + 1)
                                      .arg(QDir::toNativeSeparators(textPath), e.Message()));
        }
    }
    return records;
}

} // namespace kiv5::billing

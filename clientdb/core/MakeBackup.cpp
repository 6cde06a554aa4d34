#include "clientdb/core/MakeBackup.h"

#include "clientdb/core/ClientTable.h"
#include "clientdb/core/TabbedField.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <algorithm>
#include <limits>

namespace kiv5 {
namespace {

QString BackupBase(const QString& FilesDirectory, const QString& FileName, qint32 generation) {
    return SlashAtEnd(FilesDirectory) + StripExtension(FileNamePart(FileName)) +
           QStringLiteral("_bkp_") + QString::number(generation);
}

} // namespace

QString BackupTextPath(const QString& FilesDirectory, const QString& FileName, qint32 generation) {
    return BackupBase(FilesDirectory, FileName, generation) + QStringLiteral(".txt");
}

QString BackupMemoPath(const QString& FilesDirectory, const QString& FileName, qint32 generation) {
    return BackupBase(FilesDirectory, FileName, generation) + QStringLiteral(".mem");
}

qint32 AdvanceBackupCounter(qint32 BackupCounter) {
    if (BackupCounter >= kLastBackupGeneration || BackupCounter < 0) {
        return 1;
    }
    return BackupCounter + 1;
}

QString BackupLine(const RecordTable& table, int row) {
    QStringList fields;
    fields.reserve(ClientCol::Count);
    for (int column = 0; column < ClientCol::Count; ++column) {
        fields.append(TabbedField(table.Cell(row, column)));
    }
    return fields.join(QLatin1Char('\t'));
}

QList<int> RowsInRecordNumberOrder(const RecordTable& table) {
    struct Keyed {
        qint64 recNo;
        int row;
    };
    std::vector<Keyed> rows;
    rows.reserve(static_cast<std::size_t>(table.DataRowCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        // A number that does not read goes last, so the line is still kept.
        const auto recNo = TryParseInteger(table.Cell(row, ClientCol::RecNo));
        rows.push_back({recNo ? *recNo : std::numeric_limits<qint64>::max(), row});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Keyed& a, const Keyed& b) { return a.recNo < b.recNo; });
    QList<int> order;
    order.reserve(static_cast<qsizetype>(rows.size()));
    for (const Keyed& k : rows) {
        order.append(k.row);
    }
    return order;
}

BackupFiles MakeBackup(const RecordTable& table, const MemoList& memo, const QString& FileName,
                       const QString& FilesDirectory, qint32 BackupCounter,
                       const PercentProgress& progress) {
    BackupFiles files;
    files.generation = BackupCounter;
    files.textFile = BackupTextPath(FilesDirectory, FileName, BackupCounter);

    const QList<int> order = RowsInRecordNumberOrder(table);
    QStringList lines;
    lines.reserve(order.size());
    for (qsizetype i = 0; i < order.size(); ++i) {
        lines.append(BackupLine(table, order[i]));
        if (progress) {
            progress(static_cast<int>((i + 1) * 100 / order.size()));
        }
    }
    WriteTextLines(files.textFile, lines);
    if (!FileName.isEmpty()) {
        files.memoFile = BackupMemoPath(FilesDirectory, FileName, BackupCounter);
        WriteMemoFile(files.memoFile, memo);
    }
    files.BackupCounter = AdvanceBackupCounter(BackupCounter);
    return files;
}

} // namespace kiv5

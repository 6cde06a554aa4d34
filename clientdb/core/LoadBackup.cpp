#include "clientdb/core/LoadBackup.h"

#include "clientdb/core/ClientRow.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MakeBackup.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace kiv5 {
namespace {

QString ComparablePath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool IsBlank(const QString& line) {
    return line.trimmed().isEmpty();
}

// Memo lines by the slots the rows are written to: slot s takes the line of
// the row that had record number order[s-1]'s old number.
MemoList RenumberRows(RecordTable& table, const MemoList& memo) {
    const QList<int> order = RowsInRecordNumberOrder(table);
    MemoList renumbered{memo.value(0)};
    for (qsizetype i = 0; i < order.size(); ++i) {
        const int row = order[i];
        const auto old = TryParseInteger(table.Cell(row, ClientCol::RecNo));
        renumbered.append(old ? memo.value(*old) : QString());
        table.SetCell(row, ClientCol::RecNo, QString::number(i + 1));
    }
    return renumbered;
}

} // namespace

QStringList BackupLineToRow(const QString& line, const Clock& clock) {
    QStringList row;
    row.reserve(ClientCol::Count);
    QString rest = line;
    for (int column = 0; column < ClientCol::Count - 1; ++column) {
        const qsizetype tab = rest.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            row.append(QString());
            continue;
        }
        row.append(rest.left(tab));
        rest.remove(0, tab + 1);
    }
    row.append(rest);
    const QString today = FormatShortDate(clock.Today());
    row[ClientCol::PostTime] = today;
    row[ClientCol::PullTime] = today;
    return row;
}

QString RestoredFileName(const QString& backupPath) {
    const QString name = FileNamePart(backupPath);
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    const QString base = underscore < 0 ? QString() : StripExtension(name.left(underscore));
    if (!base.isEmpty()) {
        return base + QStringLiteral(".pl5");
    }
    return FolderPart(backupPath) + StripExtension(name) + QStringLiteral(".pl5");
}

QString BackupMemoFileFor(const QString& backupPath, const QString& FilesDirectory) {
    return SlashAtEnd(FilesDirectory) + StripExtension(FileNamePart(backupPath)) +
           QStringLiteral(".mem");
}

RestoredBackup LoadBackup(const QString& backupPath, const QString& FilesDirectory,
                          const QString& openClientFile, const Clock& clock,
                          const PercentProgress& progress) {
    const QStringList lines = ReadTextLines(backupPath);
    RestoredBackup restored{MakeClientTable(), {}, {}, {}, false};
    RecordTable& table = restored.table;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!IsBlank(lines[i])) {
            const int row = table.AppendRow();
            table.SetRow(row, BackupLineToRow(lines[i], clock));
            table.ApplyStatusHeight(row);
            try {
                PopulateNameRec(table, row);
            } catch (const ConversionError& error) {
                // Said here, where the file and the line are known.
                throw ConversionError(QStringLiteral("The backup file \"%1\" is damaged at line "
                                                     "%2: %3")
                                          .arg(backupPath)
                                          .arg(i + 1)
                                          .arg(error.Message()));
            }
        }
        if (progress) {
            progress(static_cast<int>((i + 1) * 100 / lines.size()));
        }
    }
    restored.memo = ReadTextLines(BackupMemoFileFor(backupPath, FilesDirectory));
    while (restored.memo.size() < table.RowCount()) {
        restored.memo.append(QString());
    }
    restored.FileName = RestoredFileName(backupPath);
    restored.files = ClientFilesFor(FilesDirectory, restored.FileName);
    const bool exists = QFileInfo::exists(restored.files.clientFile);
    restored.restoresOpenFile =
        !openClientFile.isEmpty() &&
        ComparablePath(openClientFile) == ComparablePath(restored.files.clientFile);
    restored.replacesOtherFile = exists && !restored.restoresOpenFile;
    return restored;
}

QString RestoreReplaceQuestion(const QString& clientFileName) {
    return QStringLiteral("The client file %1 already exists and is not the open file. Replace "
                          "it with the backup?")
        .arg(FileNamePart(clientFileName));
}

void SaveRestoredBackup(RestoredBackup& restored, const Clock& clock,
                        const PercentProgress& progress) {
    // LoadBackup has read every row; the files are written through
    // temporary files, so a failure replaces nothing.
    restored.memo = RenumberRows(restored.table, restored.memo);
    SaveClientFiles(restored.files, restored.table, restored.memo, clock, progress);
}

} // namespace kiv5

#pragma once

// Backups of the client file as plain text: B + "_bkp_" + k + ".txt" with
// one line of all 22 columns per client, in record-number order, and
// B + "_bkp_" + k + ".mem" with the memo lines, both in the data folder
// (B the open file's base name, k the generation).

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/MemoList.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <QStringList>

namespace kiv5 {

inline constexpr char kBackupProgressText[] = "Making Backup ASCII File";
// The highest generation; the counter goes on from 1 after it.
inline constexpr int kLastBackupGeneration = 31;

struct BackupFiles {
    QString textFile;
    QString memoFile; // empty when no file is open and none was written
    qint32 generation = 0;
    qint32 BackupCounter = 0; // the counter after this backup
};

// The paths of generation k of the backup of FileName in FilesDirectory.
QString BackupTextPath(const QString& FilesDirectory, const QString& FileName, qint32 generation);
QString BackupMemoPath(const QString& FilesDirectory, const QString& FileName, qint32 generation);

// The counter after a backup of generation k: k + 1, and 1 after the last
// generation.
qint32 AdvanceBackupCounter(qint32 BackupCounter);

// The backup line of a row: columns 0-21 separated by tabs, line breaks in
// any cell as " | " and tabs as " ~ ".
QString BackupLine(const RecordTable& table, int row);

// Rows 1..n in ascending record number, ties in table order; the table is
// not reordered.
QList<int> RowsInRecordNumberOrder(const RecordTable& table);

// Writes generation BackupCounter: the text file from rows 1..n in
// record-number order and, when FileName is not empty, the memo file from
// memo; both through temporary files. Returns the files and the advanced
// counter. Throws IoError; the counter is not advanced then.
BackupFiles MakeBackup(const RecordTable& table, const MemoList& memo, const QString& FileName,
                       const QString& FilesDirectory, qint32 BackupCounter,
                       const PercentProgress& progress = {});

} // namespace kiv5

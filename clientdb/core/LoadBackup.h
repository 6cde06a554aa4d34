#pragma once

// Restoring a client file from a backup made by MakeBackup: the chosen
// ".txt" becomes the table, the ".mem" of the same name in the data folder
// the memo lines, and the client file named after the backup's base name
// (up to its first "_") is written anew from them.

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/MemoList.h"
#include "common/core/Clock.h"
#include "common/core/RecordTable.h"

#include <QString>

namespace kiv5 {

inline constexpr char kRestoreProgressText[] = "Loading Backup File";
inline constexpr char kRestoreWarningTitle[] = "Restore Warning!";

struct RestoredBackup {
    RecordTable table;
    MemoList memo;
    QString FileName;  // the client file's name as FileName then holds it
    ClientFiles files; // where the restore writes
    // A client file of that name exists and is not the open file: ask
    // before SaveRestoredBackup replaces it.
    bool replacesOtherFile = false;
    // The backup restores the open file itself.
    bool restoresOpenFile = false;
};

// The row a backup line gives: 21 times the text before the first tab into
// columns 0..20 (an empty column when no tab is left), the rest into column
// 21; the stamps (18, 19) become today's short date. " ~ " stays as it is.
QStringList BackupLineToRow(const QString& line, const Clock& clock);

// The client file name a backup restores to: the backup's name part up to
// its first "_", without extension, + ".pl5"; when that leaves only ".pl5",
// the backup's path without extension + ".pl5".
QString RestoredFileName(const QString& backupPath);

// The ".mem" beside a backup's name in the data folder.
QString BackupMemoFileFor(const QString& backupPath, const QString& FilesDirectory);

// Reads the backup into a fresh table (blank lines are skipped) and the memo
// lines from its ".mem" in FilesDirectory (padded with empty lines to the
// table's rows). openClientFile: the open client file's path, empty when none.
// Throws IoError when either file cannot be read; nothing is saved then and
// the caller's table, memo and FileName stay as they are.
RestoredBackup LoadBackup(const QString& backupPath, const QString& FilesDirectory,
                          const QString& openClientFile, const Clock& clock,
                          const PercentProgress& progress = {});

// "The client file NAME already exists and is not the open file. Replace it
// with the backup?"
QString RestoreReplaceQuestion(const QString& clientFileName);

// Writes the client file and the memo file anew from the restored table
// (whole-file save, slot 0 first, through temporary files). LoadBackup has
// checked every row; a cell that does not convert throws ConversionError and
// no file is replaced. Afterwards each row's record number is the slot it
// was written to and the memo lines follow their clients.
void SaveRestoredBackup(RestoredBackup& restored, const Clock& clock,
                        const PercentProgress& progress = {});

} // namespace kiv5

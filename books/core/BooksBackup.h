#pragma once

// Getting a bookkeeping set out and back in as text: the tab-separated
// export of both ledgers, the backup generations of five text files, and
// reading a backup back into tables and lists.

#include "common/core/Clock.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kiv5::books {

using StepProgress = std::function<void(const QString& text, int percent)>;

inline constexpr int kBackupGenerations = 31;

// The generation after k: k + 1, and 1 after 31.
int NextBackupCounter(int counter);

struct BackupFiles {
    QString listing; // B_k.bkp
    QString income;  // B_inc_k.txt
    QString expense; // B_exp_k.txt
    QString accounts;
    QString categories;
};

BackupFiles BackupFilesFor(const QString& folder, const QString& base, int generation);

// One backup line: the mark, columns 1-9 and the status, tab-separated.
QString BackupLine(const RecordTable& table, int row);

struct BooksBackupSource {
    const RecordTable& income;
    const RecordTable& expense;
    const QStringList& accounts;
    const QStringList& categories;
    // Full paths of the four data files, listed in the .bkp file.
    QStringList dataFiles;
};

// Writes the five files of one generation in `folder`.
BackupFiles MakeBooksBackup(const BooksBackupSource& source, const QString& folder,
                            const QString& base, int generation, const StepProgress& progress = {});

struct RestoredBooks {
    RecordTable income;
    RecordTable expense;
    QStringList accounts;
    QStringList categories;
    // The backup's folder and base name + ".su5".
    QString FileName;
};

// Reads the generation named by a chosen ".bkp" file: its name part is the
// base name, "_" and the generation. Throws ConversionError when the name
// holds no generation number and IoError when a file is missing or a line
// is not a backup line; nothing is changed then.
RestoredBooks ReadBooksBackup(const QString& chosen, const Clock& clock,
                              const StepProgress& progress = {});

// The export file: income heading and rows, expense heading and rows.
void ExportBooks(const QString& path, const RecordTable& income, const RecordTable& expense,
                 bool onlySelected, const StepProgress& progress = {});

} // namespace kiv5::books

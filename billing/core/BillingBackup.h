#pragma once

// The bill table as text: the tab-separated export, the billing backup (a
// listing ".bkp" and the rows "_bil_" + counter + ".txt") and reading a
// backup back into a table.

#include "common/core/Clock.h"
#include "common/core/RecordTable.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kiv5::billing {

using StepProgress = std::function<void(const QString& text, int percent)>;

inline constexpr int kBackupGenerations = 31;

// The counter after k: k + 1, and 1 after 31 (0 gives 1).
int NextBackupCounter(int counter);

struct BillingBackupFiles {
    QString listing; // P + "_" + c + ".bkp"
    QString rows;    // P + "_bil_" + c + ".txt"
};

// P is the billing file name without its extension.
BillingBackupFiles BillingBackupFilesFor(const QString& billingFileName, int counter);

// Writes both files, each through a temporary file; the listing holds the
// link file's base name followed by ".bil", ".qy5" and ".cal".
BillingBackupFiles MakeBillingBackup(const RecordTable& table, const QString& billingFileName,
                                     int counter, const StepProgress& progress = {});

struct RestoredBilling {
    // Rows 1..n from the backup lines: columns 0-37 and 41 as stored, both
    // stamps now, column 40 the line number.
    RecordTable table;
    // The backup's base + ".qy5".
    QString fileName;
};

// The base and counter of a chosen ".bkp" name: split at its last "_".
struct BackupName {
    QString base; // with the folder
    QString counter;
};
// Throws ConversionError when the name holds no "_" followed by a number.
BackupName SplitBackupName(const QString& chosen);

// Reads the whole backup named by a chosen ".bkp" file before anything is
// changed. Throws IoError when the rows file is missing and ConversionError
// naming the line when a line has too few fields or a cell does not read.
RestoredBilling ReadBillingBackup(const QString& chosen, const Clock& clock,
                                  const StepProgress& progress = {});

// The export: heading line, then columns 1-6, 25, 35, 36 and 37 of every
// row (only rows marked "X" when asked), hidden and deleted rows included.
void ExportBills(const QString& path, const RecordTable& table, bool onlySelected,
                 const StepProgress& progress = {});

} // namespace kiv5::billing

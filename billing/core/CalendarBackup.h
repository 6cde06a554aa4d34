#pragma once

// The calendar backup "orvcal5.txt_" + counter in the billing files folder
// (one line per day record, in file order) and the calendar rebuilt from
// one.

#include "billing/core/BillingBackup.h"
#include "common/core/OfficeContext.h"

#include <QString>

namespace kiv5::billing {

// The name pattern the restore dialog lists.
inline constexpr QLatin1StringView kCalendarBackupPattern("orvcal5.txt_*");

QString CalendarBackupPath(const QString& filesDirectory, int counter);

// Writes the backup of the calendar file through a temporary file and
// returns its path. IoError when the calendar file is missing or damaged.
QString MakeCalendarBackup(const QString& filesDirectory, int counter,
                           const StepProgress& progress = {});

// Reads every line of the chosen backup first, then writes the calendar
// file anew through a temporary file, the day records appended in line
// order. ConversionError naming the line when one does not read; the
// calendar file is then as it was.
void RestoreCalendarBackup(const QString& chosen, const QString& filesDirectory,
                           const OfficeContext& context, const StepProgress& progress = {});

} // namespace kiv5::billing

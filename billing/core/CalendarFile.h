#pragma once

// The calendar file "orvcal5.cal" in the billing files folder: day records
// found by their date, scanned from the first record every time.

#include "billing/core/DayRec.h"
#include "common/core/Clock.h"

namespace kiv5::billing {

inline constexpr QLatin1StringView kCalendarFileName("orvcal5.cal");

// SlashAtEnd(filesDirectory) + "orvcal5.cal".
QString CalendarFilePath(const QString& filesDirectory);

// A day with no entries: empty slots and notes, lengths 0, both stamps now,
// RecNo and Status 0.
DayRec MakeBlankDay(double day, const Clock& clock);

// The stored record of `date`, or a blank day for that date when the file
// does not exist or holds no record whose Day equals it exactly.
DayRec ReadDay(const QString& path, double date, const Clock& clock);

// Stores the record as the day `date` (its Day becomes `date`): over the
// stored record of that date, or appended when there is none. Creates the
// file when it does not exist. The scan and the write happen under the
// append lock, so two users storing a new day at once keep one record.
void WriteDay(const QString& path, const DayRec& record, double date);

} // namespace kiv5::billing

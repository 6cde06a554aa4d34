#pragma once

// A line of the calendar backup ("orvcal5.txt_" + counter): one day record as
// tab-separated fields. The mark ("X" or empty), the short date, for each of
// the 48 slots its text, its length in shortest decimal form and its client
// number, the notes, two empty fields, the record's 0-based position in the
// file and its status.

#include "billing/core/DayRec.h"
#include "common/core/OfficeContext.h"

namespace kiv5::billing {

// Fields of a backup line, the status included.
inline constexpr int kCalendarBackupFields = 2 + 3 * kDaySlots + 1 + 2 + 2;

// Texts are written without tabs (" ~ ") and line breaks (" | ") so that a
// day always stays one line of fields.
QString CalendarBackupLine(const DayRec& day, qint64 position);

// The day record of a backup line, as the restore builds it: mark and date,
// slot texts cut to 64, lengths read with Str2Float_2 (reporting to the
// context's sink), client numbers cut to
// 8, the notes with their line breaks back and cut to 255, both stamps the
// context's now,
// RecNo from the field after the two empty ones, Status 0. Throws
// ConversionError for a line with too few fields, a date or a record number
// that does not read.
DayRec ParseCalendarBackupLine(const QString& line, const OfficeContext& context);

} // namespace kiv5::billing

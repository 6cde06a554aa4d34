#pragma once

// "Get Calender Entries": the calendar's time entries of one client, dated
// after a cut-off day, appended to a statement file as new lines.

#include "billing/core/ISRec.h"
#include "common/core/Clock.h"

#include <QString>
#include <vector>

namespace kiv5::billing {

struct CalendarImportRequest {
    QString statementPath;
    QString calendarPath;
    // Whole days; only days after it are taken.
    DayCount cutOff = 0;
    QString clientNo;
    // Amount times 10000.
    qint64 hourlyRate = 0;
};

// Every slot of every day after the cut-off whose client number equals the
// request's, in the calendar's file order, as statement lines: marked, the
// day's date, the slot text, the slot's hours, the rate, both stamps now,
// status 0. RecNo is left 0. An empty client number takes nothing: slots
// without a client are never billed. Throws IoError when the calendar file
// cannot be read.
std::vector<ISRec> CalendarLinesFor(const CalendarImportRequest& request, const Clock& clock);

// Appends the lines at the statement file's real end under one append lock
// for the whole import; each line's RecNo becomes the slot it was written
// to. Returns the lines as stored. The file must exist.
std::vector<ISRec> AppendStatementLines(const QString& statementPath, std::vector<ISRec> lines);

// Both steps: the lines appended to the statement, as stored.
std::vector<ISRec> ImportCalendarEntries(const CalendarImportRequest& request, const Clock& clock);

} // namespace kiv5::billing

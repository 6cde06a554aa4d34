#pragma once

#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

inline constexpr char kCalendarCommand[] = "calendar";

// kiv5 calendar CALFILE --day|--week|--month M/D/YYYY --out FILE.rtf [--answers]
// Writes the calendar printout quenby5 makes for that date as its current
// date.
int RunCalendar(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

QString CalendarUsage();

} // namespace kiv5::tool

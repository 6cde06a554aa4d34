#pragma once

#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

inline constexpr char kImportCalendarCommand[] = "import-calendar";

// kiv5 import-calendar STATEMENT.is5 --calendar FILE.cal --client NUMBER
//                      --after M/D/YYYY --rate AMOUNT
// Appends the client's calendar entries after the date to the statement, as
// the worksheet's "Get Calender Entries" does.
int RunImportCalendar(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

QString ImportCalendarUsage();

} // namespace kiv5::tool

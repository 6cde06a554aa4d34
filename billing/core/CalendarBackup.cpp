#include "billing/core/CalendarBackup.h"

namespace kiv5::billing {

QString CalendarBackupPath(const QString&, int) {
    return {};
}

QString MakeCalendarBackup(const QString&, int, const StepProgress&) {
    return {};
}

void RestoreCalendarBackup(const QString&, const QString&, const OfficeContext&,
                           const StepProgress&) {}

} // namespace kiv5::billing

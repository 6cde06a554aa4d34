#include "common/ui/OrvDate.h"

#include "common/core/DateTime.h"

namespace kiv5::ui {

OrvDate::OrvDate(QWidget* parent) : OrvDate(CurrentDateTime().date(), parent) {}

OrvDate::OrvDate(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
    setDisplayFormat(QStringLiteral("M/d/yyyy"));
    setCalendarPopup(true);
}

} // namespace kiv5::ui

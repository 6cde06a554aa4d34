#include "common/ui/OrvDate.h"

namespace kiv5::ui {

OrvDate::OrvDate(const Clock& clock, QWidget* parent)
    : OrvDate(clock.CurrentDateTime().date(), parent) {}

OrvDate::OrvDate(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
    setDisplayFormat(QStringLiteral("M/d/yyyy"));
    setCalendarPopup(true);
}

} // namespace kiv5::ui

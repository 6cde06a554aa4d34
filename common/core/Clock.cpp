#include "common/core/Clock.h"

namespace kiv5 {

Clock Clock::FixedAt(const QDateTime& at) {
    return Clock([at] { return at; });
}

QDateTime Clock::CurrentDateTime() const {
    return source_ ? source_() : QDateTime::currentDateTime();
}

DayCount Clock::Now() const {
    return DateTimeToDayCount(CurrentDateTime());
}

DayCount Clock::Today() const {
    return DateToDayCount(CurrentDateTime().date());
}

} // namespace kiv5

#pragma once

#include "common/core/DateTime.h"

#include <QDateTime>
#include <functional>

namespace kiv5 {

// The clock every stamp and "today" of a program is taken from. A default
// clock reads the system's; tests hand in their own.
class Clock {
public:
    using Source = std::function<QDateTime()>;

    Clock() = default;
    explicit Clock(Source source) : source_(std::move(source)) {}
    // A clock that stands still at one moment.
    static Clock FixedAt(const QDateTime& at);

    QDateTime CurrentDateTime() const;
    DayCount Now() const;
    DayCount Today() const;

private:
    Source source_;
};

} // namespace kiv5

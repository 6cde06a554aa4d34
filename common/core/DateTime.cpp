#include "common/core/DateTime.h"

#include "common/core/Exceptions.h"

#include <QRegularExpression>
#include <cmath>

namespace kiv5 {
namespace {

constexpr qint64 kMsPerDay = 86'400'000;
const QDate kEpoch(1899, 12, 30);
constexpr double kMinDayCount = -657434.0;        // 1/1/100
constexpr double kMaxDayCount = 2958465.99999999; // 12/31/9999 23:59:59.999

struct Split {
    qint64 days;
    qint64 ms; // 0 .. kMsPerDay-1
};

std::optional<Split> SplitDayCount(DayCount value) {
    if (!IsValidDayCount(value)) {
        return std::nullopt;
    }
    const double whole = std::trunc(value);
    auto days = static_cast<qint64>(whole);
    auto ms = static_cast<qint64>(std::llround(std::fabs(value - whole) * kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        days += value < 0 ? -1 : 1;
    }
    return Split{days, ms};
}

DayCount Join(qint64 days, qint64 ms) {
    const double fraction = static_cast<double>(ms) / kMsPerDay;
    return days < 0 ? static_cast<double>(days) - fraction : static_cast<double>(days) + fraction;
}

ClockFunction& Clock() {
    static ClockFunction clock;
    return clock;
}

} // namespace

bool IsValidDayCount(DayCount value) {
    return std::isfinite(value) && value >= kMinDayCount && value <= kMaxDayCount;
}

std::optional<QDateTime> DayCountToDateTime(DayCount value) {
    const auto split = SplitDayCount(value);
    if (!split) {
        return std::nullopt;
    }
    return QDateTime(kEpoch.addDays(split->days),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(split->ms)));
}

std::optional<QDate> DayCountToDate(DayCount value) {
    const auto split = SplitDayCount(value);
    if (!split) {
        return std::nullopt;
    }
    return kEpoch.addDays(split->days);
}

DayCount DateToDayCount(const QDate& value) {
    return static_cast<double>(kEpoch.daysTo(value));
}

DayCount DateTimeToDayCount(const QDateTime& value) {
    return Join(kEpoch.daysTo(value.date()), value.time().msecsSinceStartOfDay());
}

DayCount TruncateToSecond(DayCount value) {
    const auto split = SplitDayCount(value);
    if (!split) {
        return value;
    }
    return Join(split->days, split->ms - split->ms % 1000);
}

QString FormatShortDate(DayCount value) {
    const auto date = DayCountToDate(value);
    if (!date) {
        return {};
    }
    return QStringLiteral("%1/%2/%3").arg(date->month()).arg(date->day()).arg(date->year());
}

QString FormatLongTime(DayCount value) {
    const auto split = SplitDayCount(value);
    if (!split) {
        return {};
    }
    const QTime t = QTime::fromMSecsSinceStartOfDay(static_cast<int>(split->ms));
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour12)
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'))
        .arg(t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString FormatDateTime(DayCount value, Midnight midnight) {
    const auto split = SplitDayCount(value);
    if (!split) {
        return {};
    }
    if (midnight == Midnight::Omit && split->ms == 0) {
        return FormatShortDate(value);
    }
    return FormatShortDate(value) + QLatin1Char(' ') + FormatLongTime(value);
}

std::optional<DayCount> TryParseDateTime(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})(?:/(\d{1,4}))?)"
        R"((?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,3}))?)?\s*([AaPp][Mm])?)?\s*$)"));
    const auto m = pattern.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int month = m.captured(1).toInt();
    const int day = m.captured(2).toInt();
    int year = m.captured(3).isEmpty() ? CurrentDateTime().date().year() : m.captured(3).toInt();
    if (m.captured(3).size() <= 2 && !m.captured(3).isEmpty()) {
        // Two-digit years fall within fifty years of now.
        const int now = CurrentDateTime().date().year();
        year += now - now % 100;
        if (year > now + 50) {
            year -= 100;
        } else if (year <= now - 50) {
            year += 100;
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 100) {
        return std::nullopt;
    }
    qint64 ms = 0;
    if (!m.captured(4).isEmpty()) {
        int hour = m.captured(4).toInt();
        const int minute = m.captured(5).toInt();
        const int second = m.captured(6).toInt();
        const QString fraction = m.captured(7).leftJustified(3, QLatin1Char('0'));
        const QString ampm = m.captured(8).toUpper();
        if (!ampm.isEmpty()) {
            if (hour < 1 || hour > 12) {
                return std::nullopt;
            }
            hour = hour % 12 + (ampm == QLatin1String("PM") ? 12 : 0);
        }
        if (hour > 23 || minute > 59 || second > 59) {
            return std::nullopt;
        }
        ms = ((hour * 60 + minute) * 60 + second) * 1000LL + fraction.toInt();
    }
    return Join(kEpoch.daysTo(date), ms);
}

DayCount ParseDateTime(const QString& text) {
    const auto value = TryParseDateTime(text);
    if (!value) {
        throw ConversionError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    }
    return *value;
}

DayCount ParseDate(const QString& text) {
    const auto value = TryParseDateTime(text);
    if (!value) {
        throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(text));
    }
    return std::trunc(*value);
}

QDateTime CurrentDateTime() {
    return Clock() ? Clock()() : QDateTime::currentDateTime();
}

DayCount Now() {
    return DateTimeToDayCount(CurrentDateTime());
}

DayCount Today() {
    return DateToDayCount(CurrentDateTime().date());
}

ClockFunction SetClock(ClockFunction clock) {
    ClockFunction previous = std::move(Clock());
    Clock() = std::move(clock);
    return previous;
}

} // namespace kiv5

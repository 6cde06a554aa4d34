#include "common/core/DateTime.h"

#include "common/core/Exceptions.h"

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

// Text forms are built digit by digit in a small buffer: opening and saving
// a file formats and reads every stamp of it.
class TextBuffer {
public:
    void Append(char c) { chars_[size_++] = static_cast<char16_t>(c); }
    void Append(const char* text) {
        while (*text != '\0') {
            Append(*text++);
        }
    }
    void AppendNumber(int value) {
        char digits[12];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (count > 0) {
            Append(digits[--count]);
        }
    }
    void AppendTwoDigits(int value) {
        Append(static_cast<char>('0' + value / 10));
        Append(static_cast<char>('0' + value % 10));
    }
    QString Text() const { return QString(reinterpret_cast<const QChar*>(chars_), size_); }

private:
    char16_t chars_[32];
    int size_ = 0;
};

// "M/d/yyyy"
void AppendShortDate(TextBuffer& text, qint64 days) {
    const QDate date = kEpoch.addDays(days);
    text.AppendNumber(date.month());
    text.Append('/');
    text.AppendNumber(date.day());
    text.Append('/');
    text.AppendNumber(date.year());
}

// "h:mm:ss AM"
void AppendLongTime(TextBuffer& text, qint64 ms) {
    const auto seconds = static_cast<int>(ms / 1000);
    const int hour = seconds / 3600;
    text.AppendNumber(hour % 12 == 0 ? 12 : hour % 12);
    text.Append(':');
    text.AppendTwoDigits(seconds / 60 % 60);
    text.Append(':');
    text.AppendTwoDigits(seconds % 60);
    text.Append(hour < 12 ? " AM" : " PM");
}

// A run of ASCII digits, its value and length.
struct Digits {
    int value = 0;
    int digits = 0;
};

// The fields of "M/d[/y] [h:mm[:ss[.fff]] [AM|PM]]" with blanks around; a
// field that is missing has no digits.
struct DateTimeFields {
    Digits month;
    Digits day;
    Digits year;
    bool hasTime = false;
    Digits hour;
    Digits minute;
    Digits second;
    Digits fraction;
    char ampm = 0; // 'A', 'P' or none
};

class FieldReader {
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    // Skips blanks and tells how many there were.
    qsizetype SkipSpaces() {
        const qsizetype from = at_;
        while (!AtEnd() && IsBlank(text_[at_])) {
            ++at_;
        }
        return at_ - from;
    }
    bool Take(QChar c) {
        if (!AtEnd() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool AtDigit() const { return !AtEnd() && IsDigit(text_[at_]); }
    // The whole run of digits here, refused when it is empty or longer than
    // maxDigits.
    std::optional<Digits> TakeDigits(int maxDigits) {
        Digits run;
        while (AtDigit()) {
            if (++run.digits > maxDigits) {
                return std::nullopt;
            }
            run.value = run.value * 10 + (text_[at_++].unicode() - '0');
        }
        if (run.digits == 0) {
            return std::nullopt;
        }
        return run;
    }
    // "AM" or "PM" in any letter case; 0 when neither stands here.
    char TakeAmPm() {
        if (at_ + 1 >= text_.size() || text_[at_ + 1].toUpper() != QLatin1Char('M')) {
            return 0;
        }
        const QChar first = text_[at_].toUpper();
        if (first != QLatin1Char('A') && first != QLatin1Char('P')) {
            return 0;
        }
        at_ += 2;
        return static_cast<char>(first.unicode());
    }

private:
    static bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
    // ASCII white space only: space, tab, line feed, vertical tab, form feed,
    // carriage return.
    static bool IsBlank(QChar c) {
        return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
    }

    QStringView text_;
    qsizetype at_ = 0;
};

bool ReadTime(FieldReader& reader, DateTimeFields& fields) {
    const auto hour = reader.TakeDigits(2);
    if (!hour || !reader.Take(QLatin1Char(':'))) {
        return false;
    }
    const auto minute = reader.TakeDigits(2);
    if (!minute) {
        return false;
    }
    fields.hasTime = true;
    fields.hour = *hour;
    fields.minute = *minute;
    if (reader.Take(QLatin1Char(':'))) {
        const auto second = reader.TakeDigits(2);
        if (!second) {
            return false;
        }
        fields.second = *second;
        if (reader.Take(QLatin1Char('.'))) {
            const auto fraction = reader.TakeDigits(3);
            if (!fraction) {
                return false;
            }
            fields.fraction = *fraction;
        }
    }
    reader.SkipSpaces();
    fields.ampm = reader.TakeAmPm();
    return true;
}

std::optional<DateTimeFields> ReadDateTimeFields(QStringView text) {
    FieldReader reader(text);
    DateTimeFields fields;
    reader.SkipSpaces();
    const auto month = reader.TakeDigits(2);
    if (!month || !reader.Take(QLatin1Char('/'))) {
        return std::nullopt;
    }
    const auto day = reader.TakeDigits(2);
    if (!day) {
        return std::nullopt;
    }
    fields.month = *month;
    fields.day = *day;
    if (reader.Take(QLatin1Char('/'))) {
        const auto year = reader.TakeDigits(4);
        if (!year) {
            return std::nullopt;
        }
        fields.year = *year;
    }
    const qsizetype blanks = reader.SkipSpaces();
    if (blanks > 0 && reader.AtDigit() && !ReadTime(reader, fields)) {
        return std::nullopt;
    }
    reader.SkipSpaces();
    if (!reader.AtEnd()) {
        return std::nullopt;
    }
    return fields;
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
    const auto split = SplitDayCount(value);
    if (!split) {
        return {};
    }
    TextBuffer text;
    AppendShortDate(text, split->days);
    return text.Text();
}

QString FormatLongTime(DayCount value) {
    const auto split = SplitDayCount(value);
    if (!split) {
        return {};
    }
    TextBuffer text;
    AppendLongTime(text, split->ms);
    return text.Text();
}

QString FormatDateTime(DayCount value, Midnight midnight) {
    const auto split = SplitDayCount(value);
    if (!split) {
        return {};
    }
    TextBuffer text;
    AppendShortDate(text, split->days);
    if (midnight == Midnight::Show || split->ms != 0) {
        text.Append(' ');
        AppendLongTime(text, split->ms);
    }
    return text.Text();
}

std::optional<DayCount> TryParseDateTime(const QString& text) {
    const auto fields = ReadDateTimeFields(text);
    if (!fields) {
        return std::nullopt;
    }
    const int month = fields->month.value;
    const int day = fields->day.value;
    int year = fields->year.value;
    // Only a missing or two-digit year needs today's (reading the clock
    // costs more than the rest of the parse).
    if (fields->year.digits <= 2) {
        const int now = QDate::currentDate().year();
        if (fields->year.digits == 0) {
            year = now;
        } else {
            // Two-digit years fall within fifty years of now.
            year += now - now % 100;
            if (year > now + 50) {
                year -= 100;
            } else if (year <= now - 50) {
                year += 100;
            }
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 100) {
        return std::nullopt;
    }
    qint64 ms = 0;
    if (fields->hasTime) {
        int hour = fields->hour.value;
        const int minute = fields->minute.value;
        const int second = fields->second.value;
        // "5" is five tenths: the digits are read as thousandths.
        int fraction = fields->fraction.value;
        for (int d = fields->fraction.digits; d < 3; ++d) {
            fraction *= 10;
        }
        if (fields->ampm != 0) {
            if (hour < 1 || hour > 12) {
                return std::nullopt;
            }
            hour = hour % 12 + (fields->ampm == 'P' ? 12 : 0);
        }
        if (hour > 23 || minute > 59 || second > 59) {
            return std::nullopt;
        }
        ms = ((hour * 60 + minute) * 60 + second) * 1000LL + fraction;
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

} // namespace kiv5

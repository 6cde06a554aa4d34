#include "common/core/FilterDate.h"

#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/TableProfile.h"

#include <QStringList>

#include <cmath>
#include <optional>

namespace kiv5 {
namespace {

[[noreturn]] void RefuseDate(const QString& text) {
    throw ConversionError(QStringLiteral("The filter date \"%1\" is not a year (YYYY), a month "
                                         "(MM/YYYY) or a date (MM/DD/YYYY); no record was "
                                         "filtered.")
                              .arg(text));
}

int DateNumber(const QString& part, const QString& text) {
    const auto number = TryParseInteger(part.trimmed());
    if (!number) {
        RefuseDate(text);
    }
    return *number;
}

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The date of a cell as the tables write it ("M/d/yyyy"), read without the
// general parser or the calendar; other texts go through the parser.
std::optional<DateParts> CellDate(const QString& cell) {
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    for (const QChar c : cell) {
        const char16_t u = c.unicode();
        if (u == u'/' && part < 2 && digits > 0) {
            ++part;
            digits = 0;
        } else if (u >= u'0' && u <= u'9' && digits < 4) {
            parts[part] = parts[part] * 10 + (u - u'0');
            ++digits;
        } else {
            part = -1;
            break;
        }
    }
    if (part == 2 && digits == 4 && QDate::isValid(parts[2], parts[0], parts[1])) {
        return DateParts{parts[2], parts[0], parts[1]};
    }
    const auto value = TryParseDateTime(cell);
    if (!value) {
        return std::nullopt;
    }
    const std::optional<QDate> date = DayCountToDate(*value);
    if (!date || !date->isValid()) {
        return std::nullopt;
    }
    return DateParts{date->year(), date->month(), date->day()};
}

} // namespace

FilterDate ParseFilterDate(const QString& text) {
    FilterDate date;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return date;
    }
    const QStringList parts = trimmed.split(QLatin1Char('/'));
    if (parts.size() == 1) {
        date.kind = FilterDate::Year;
        date.year = DateNumber(parts[0], text);
    } else if (parts.size() == 2) {
        date.kind = FilterDate::Month;
        date.month = DateNumber(parts[0], text);
        date.year = DateNumber(parts[1], text);
        if (date.month < 1 || date.month > 12) {
            RefuseDate(text);
        }
    } else {
        const auto value = TryParseDateTime(trimmed);
        if (parts.size() != 3 || !value) {
            RefuseDate(text);
        }
        date.kind = FilterDate::Day;
        date.day = std::floor(*value);
    }
    return date;
}

bool FilterDatePasses(const QString& cell, const FilterDate& date) {
    if (date.kind == FilterDate::None) {
        return true;
    }
    const auto day = CellDate(cell);
    if (!day) {
        return false;
    }
    switch (date.kind) {
    case FilterDate::Year:
        return day->year == date.year;
    case FilterDate::Month:
        return day->year == date.year && day->month == date.month;
    case FilterDate::Day:
        return DateToDayCount(QDate(day->year, day->month, day->day)) == date.day;
    case FilterDate::None:
        break;
    }
    return true;
}

FilterText::FilterText(const QString& criterion) : upper_(UpperCaseText(criterion)) {}

bool FilterText::FoundIn(const QString& cell) const {
    return upper_.isEmpty() || UpperCaseText(cell).contains(upper_);
}

bool FilterText::Holds(const QString& cell) const {
    return upper_.isEmpty() || (!cell.isEmpty() && upper_.contains(UpperCaseText(cell)));
}

bool FilterCellContains(const QString& cell, const QString& criterion) {
    return FilterText(criterion).FoundIn(cell);
}

} // namespace kiv5

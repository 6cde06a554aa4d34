#include "books/core/LedgerFilter.h"

#include "books/core/LedgerLayout.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/TableProfile.h"

#include <cmath>

namespace kiv5::books {
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

// The criterion, upper-cased, occurs within the cell, upper-cased.
bool CellContains(const QString& cell, const QString& criterion) {
    return criterion.isEmpty() || UpperCaseText(cell).contains(UpperCaseText(criterion));
}

// The cell, upper-cased, occurs within the criterion (a "|"-joined choice).
bool CriterionContains(const QString& cell, const QString& criterion) {
    if (criterion.isEmpty()) {
        return true;
    }
    return !cell.isEmpty() && UpperCaseText(criterion).contains(UpperCaseText(cell));
}

// The date of a cell as the table writes it ("M/d/yyyy"), read without the
// general parser; other texts go through it.
std::optional<QDate> CellDate(const QString& cell) {
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    for (const QChar c : cell) {
        if (c == QLatin1Char('/') && part < 2 && digits > 0) {
            ++part;
            digits = 0;
        } else if (c.isDigit() && digits < 4) {
            parts[part] = parts[part] * 10 + c.digitValue();
            ++digits;
        } else {
            part = -1;
            break;
        }
    }
    if (part == 2 && digits == 4) {
        const QDate date(parts[2], parts[0], parts[1]);
        if (date.isValid()) {
            return date;
        }
    }
    const auto value = TryParseDateTime(cell);
    return value ? DayCountToDate(*value) : std::nullopt;
}

bool DatePasses(const QString& cell, const FilterDate& date) {
    if (date.kind == FilterDate::None) {
        return true;
    }
    const auto day = CellDate(cell);
    if (!day) {
        return false;
    }
    switch (date.kind) {
    case FilterDate::Year:
        return day->year() == date.year;
    case FilterDate::Month:
        return day->year() == date.year && day->month() == date.month;
    case FilterDate::Day:
        return DateToDayCount(*day) == date.day;
    case FilterDate::None:
        break;
    }
    return true;
}

} // namespace

FilterRec CutFilterRec(FilterRec c) {
    c.RexNo = c.RexNo.left(8);
    c.Date = c.Date.left(10);
    c.ClientNo = c.ClientNo.left(8);
    c.Payxx = c.Payxx.left(64);
    c.Description = c.Description.left(64);
    c.Category = c.Category.left(128);
    c.Account = c.Account.left(128);
    c.Code = c.Code.left(1);
    c.Amount = c.Amount.left(16);
    return c;
}

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

bool PassesFilter(const RecordTable& table, int row, const FilterRec& c, const FilterDate& date) {
    const QStringList& cells = table.Row(row);
    return CellContains(cells[LedgerColumn::Number], c.RexNo) &&
           CellContains(cells[LedgerColumn::ClientNo], c.ClientNo) &&
           CellContains(cells[LedgerColumn::Party], c.Payxx) &&
           CellContains(cells[LedgerColumn::Description], c.Description) &&
           CellContains(cells[LedgerColumn::Code], c.Code) &&
           DatePasses(cells[LedgerColumn::Date], date) &&
           CriterionContains(cells[LedgerColumn::Category], c.Category) &&
           CriterionContains(cells[LedgerColumn::Account], c.Account) &&
           (c.Amount.isEmpty() || cells[LedgerColumn::Amount].contains(c.Amount));
}

} // namespace kiv5::books

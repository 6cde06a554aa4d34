#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace kiv5 {

// Date-times are stored as day counts: days since 30 December 1899 with the
// time of day as the fraction (OLE automation dates). A negative value counts
// days before that date and still carries a positive time of day.
using DayCount = double;

// The range a day count can be shown in: 1/1/100 to 12/31/9999.
bool IsValidDayCount(DayCount value);

// Conversions; the fraction is rounded to the nearest millisecond.
std::optional<QDateTime> DayCountToDateTime(DayCount value);
DayCount DateTimeToDayCount(const QDateTime& value);
DayCount DateToDayCount(const QDate& value);
std::optional<QDate> DayCountToDate(DayCount value);

// Drops the milliseconds, keeping date, hours, minutes and seconds.
DayCount TruncateToSecond(DayCount value);

// US short date "M/d/yyyy"; empty for a value outside the valid range.
QString FormatShortDate(DayCount value);
// US long time "h:mm:ss AM".
QString FormatLongTime(DayCount value);

enum class Midnight { Show, Omit };
// Short date, a blank and the long time. With Midnight::Omit a value whose time
// of day is exactly midnight shows the date alone.
QString FormatDateTime(DayCount value, Midnight midnight);

// Parses a US short date, optionally followed by a time ("h:mm", "h:mm:ss",
// optional fraction, optional AM/PM). Throws ConversionError naming the text.
// A date without year is in the current year and a two-digit year falls
// within fifty years of it, both by the system calendar: that is how the
// user typing the date means it, whatever clock stamps the records.
DayCount ParseDateTime(const QString& text);
// As ParseDateTime, but the result keeps the date only.
DayCount ParseDate(const QString& text);
std::optional<DayCount> TryParseDateTime(const QString& text);

} // namespace kiv5

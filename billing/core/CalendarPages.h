#pragma once

// The calendar printouts: one page for a day (template 4), a week (template
// 3) or a month (template 2), filled from the calendar file read once per
// printout.

#include "billing/core/DayRec.h"
#include "billing/core/TemplateDocument.h"
#include "common/core/Answers.h"
#include "common/core/ErrorSink.h"

#include <QDate>
#include <QString>
#include <map>

namespace kiv5::billing {

enum class CalendarPageKind { Day, Week, Month };

inline constexpr int kMonthTemplatePage = 2;
inline constexpr int kWeekTemplatePage = 3;
inline constexpr int kDayTemplatePage = 4;

// The entries each page fills.
inline constexpr int kDayNotesEntry = 48;
inline constexpr int kDayHeadingEntry = 49;
inline constexpr int kWeekHeadingEntry = 21;
inline constexpr int kMonthTitleEntry = 50;
inline constexpr int kLastCalendarEntry = 50;

// How the printouts break a line of user text inside an answer: multi-line
// notes keep their lines.
inline constexpr char kRtfLineBreak[] = "\\line ";

int CalendarTemplatePage(CalendarPageKind kind);

// The printouts' slot labels: "12a", "12:30a", "1a" ... "5", "5:30a", "6"
// ... "11:30a", "12p", "12:30p" ... "11:30p" for slots 0-47; empty outside
// them.
QString PrintedSlotLabel(int slot);
// "Sunday" ... "Saturday".
QString WeekdayName(QDate date);
// Weekday name, " - " and the long date text: "Monday - March 7, 2011".
QString DayHeading(QDate date);
// The text as RTF, its lines (CR LF, LF or CR) escaped one by one and joined
// with kRtfLineBreak.
QString RtfLines(const QString& text);

// The day a printout starts from, for the calendar's current date: the date
// itself, the Sunday on or before it (a Sunday starts its own week), or the
// first day of its month.
QDate CalendarPageFirstDay(CalendarPageKind kind, QDate current);
// How many days the printout covers: 1, 7 or the days of the month.
int CalendarPageDayCount(CalendarPageKind kind, QDate firstDay);

// The stored days of a printout, read in one pass over the calendar file:
// for each date the first record whose Day equals it exactly. A date without
// a record is absent.
struct CalendarPageDays {
    std::map<QDate, DayRec> days;
    // The calendar file does not exist; every day counts as having no record.
    bool fileMissing = false;

    const DayRec* Find(QDate date) const;
};

// Reads the days first .. first + count - 1. Throws IoError when the file
// exists but cannot be read.
CalendarPageDays ReadCalendarPageDays(const QString& calendarPath, QDate first, int count);

// Fill the answers of templates 4, 3 and 2 (entries 0-50 emptied first).
// Slot texts and notes are user text and go in escaped.
void CalcDay(QDate day, const CalendarPageDays& days, TAnswer& answers);
// `sunday` is the first of the seven days; the caller passes a Sunday.
void CalcWeek(QDate sunday, const CalendarPageDays& days, TAnswer& answers);
// `first` is the first day of the month.
void CalcMonth(QDate first, const CalendarPageDays& days, TAnswer& answers);

// What a printout met on its way, for the caller to show.
struct CalendarPageOutcome {
    // The calendar file was not found: the caller shows
    // MissingCalendarText(calendarPath) once, with an exclamation icon.
    bool calendarMissing = false;
};

inline QString MissingCalendarText(const QString& calendarPath) {
    return QStringLiteral("Could not find file: ") + calendarPath;
}

// Reads the calendar once, fills the page for `kind` from the calendar's
// current date and adds it to the document. `calendarPath` is the one the
// calendar window reads (CalendarFilePath). Throws IoError as
// TemplateDocument::AddPage does and when the calendar cannot be read.
CalendarPageOutcome AddCalendarPage(CalendarPageKind kind, QDate current,
                                    const QString& calendarPath, TAnswer& answers,
                                    TemplateDocument& document);

// The whole printout: a document of the one page, written to outPath
// (replaced only when the whole file is written). Throws IoError; nothing is
// written when the template, its DAT or the calendar cannot be read.
CalendarPageOutcome WriteCalendarPage(CalendarPageKind kind, QDate current,
                                      const QString& calendarPath, const QString& templateFolder,
                                      const QString& outPath, const ErrorSink& errors);
// As above, filling the program's own answer store.
CalendarPageOutcome WriteCalendarPage(CalendarPageKind kind, QDate current,
                                      const QString& calendarPath, TAnswer& answers,
                                      const QString& templateFolder, const QString& outPath,
                                      const ErrorSink& errors);

} // namespace kiv5::billing

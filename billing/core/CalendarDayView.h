#pragma once

// What the calendar's views show of day records: the slot labels and
// shading, the day view's cells and notes, the week's columns and the month's
// cells.

#include "billing/core/DayRec.h"
#include "billing/core/TBillRec.h"
#include "common/core/Clock.h"
#include "common/core/ErrorSink.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

namespace kiv5::billing {

// "MidN", "12:30", "1:00" ... "11:30", "Noon", "12:30" ... "11:30".
QString SlotLabel(int slot);
// Midnight to 7:30 and 18:00 to 23:30 are shaded.
bool IsShadedSlot(int slot);
// The first slot shown on top when a view opens (8:00).
inline constexpr int kFirstWorkingSlot = 16;

// The editors' limits, so that nothing typed is lost when it is stored.
inline constexpr int kSlotTextLength = 64;
inline constexpr int kDayNotesLength = 255;

// The day view's cells of one day: text, client number and length per slot,
// and the notes (line breaks as "\n").
struct DayEntries {
    std::array<QString, kDaySlots> text;
    std::array<QString, kDaySlots> clientNo;
    std::array<QString, kDaySlots> length;
    QString notes;

    bool operator==(const DayEntries&) const = default;
};

// Lengths in the shortest decimal form, empty when not above 0.
DayEntries RecordToDayView(const DayRec& record);
// The day record of the day view: texts cut to 64, client numbers to 8,
// lengths read with Str2Float_P (21182 reported, 0 stored), notes cut to
// 255, both stamps now, RecNo and Status 0.
DayRec DayViewToRecord(const DayEntries& entries, DayCount date, const Clock& clock,
                       const ErrorSink& errors);
// Whether anything is entered on the day: a slot text or notes.
bool HasEntries(const DayRec& record);

// The Sunday on or before the date.
QDate WeekStartOf(const QDate& date);
// "Sun - 3/6/2011".
QString WeekColumnCaption(const QDate& day);

// One day's cell of the month view: row 1..6, column 1..7 (Sunday first).
struct MonthCell {
    int row = 0;
    int column = 0;
    int day = 0;
};
// The cells of every day of the month.
std::vector<MonthCell> MonthCells(int year, int month);
// The week rows the month needs (4 to 6).
int MonthRows(int year, int month);
// "MAR" for March.
QString MonthCaption(int month);
// The day number, two blanks, then every non-empty slot text followed by
// "; ".
QString MonthCellText(int day, const DayRec& record);

} // namespace kiv5::billing

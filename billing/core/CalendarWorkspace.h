#pragma once

// The appointment calendar as its window holds it: the calendar file (one
// path, fixed when the workspace is made), the current date with its day
// record, the shown week and month, the day-modified flag and the last
// search text. Reads go through one date index that is built in one pass and
// rebuilt only when the file's size or time changed.
//
// Commands throw IoError or ConversionError when the file fails.

#include "billing/core/CalendarDayIndex.h"
#include "billing/core/CalendarDayView.h"
#include "common/core/OfficeContext.h"

#include <QObject>
#include <QSet>
#include <array>

namespace kiv5::billing {

enum class CalendarMove {
    Today,
    BackYear,
    BackMonth,
    BackWeek,
    BackDay,
    ForwardDay,
    ForwardWeek,
    ForwardMonth,
    ForwardYear,
};

struct CalendarFindOutcome {
    enum Kind { Found, NotFound, NoFile };
    Kind kind = NotFound;
    // Found: the day, and the slot that matched (-1 for the notes).
    DayCount date = 0;
    int slot = -1;
};

class CalendarWorkspace : public QObject {
    Q_OBJECT

public:
    // `calendarPath` is CalendarFilePath(FilesDirectory); the context must
    // outlive this. Starts on today's date, read from the file.
    CalendarWorkspace(QString calendarPath, const OfficeContext& context,
                      QObject* parent = nullptr);

    const QString& Path() const { return path_; }
    DayCount CurrentDate() const { return current_.Day; }
    QDate CurrentQDate() const;
    const DayRec& CurrentDay() const { return current_; }
    // The Sunday starting the week of the current date.
    QDate WeekStart() const;
    // The days the day view has not stored yet.
    bool DayModified = false;
    QString LastSearch;

    // Makes the date current and reads its day (a modified day is the
    // window's to store first).
    void GoTo(DayCount date);
    void Move(CalendarMove move);
    // Stores the day view's entries as the current date's day; clears the
    // modified flag.
    void StoreDay(const DayEntries& entries);
    // The current day read again from the file.
    void ReloadDay();

    // The seven days of the week starting on `start`.
    std::array<DayRec, 7> WeekDays(const QDate& start) const;
    // Stores one day of the shown week from its column: the stored day with
    // its slot texts replaced (cut to 64), fresh stamps. Other users' client
    // numbers, lengths and notes of that day stay.
    void StoreWeekColumn(const QDate& day, const std::array<QString, kDaySlots>& texts);
    // The days of a month in order, blank ones included.
    std::vector<DayRec> MonthDays(int year, int month) const;
    // The day numbers of the month with a slot text or notes.
    QSet<int> BoldDays(int year, int month) const;

    // Searches back in time from the day before the current date; the day
    // found becomes current.
    CalendarFindOutcome Find(const QString& text);

signals:
    // The current date or its day changed.
    void DayChanged();

private:
    const CalendarDayIndex& Index() const;
    std::vector<DayRec> ReadDays(const std::vector<DayCount>& dates) const;

    QString path_;
    const OfficeContext& context_;
    DayRec current_;
    mutable CalendarDayIndex index_;
};

} // namespace kiv5::billing

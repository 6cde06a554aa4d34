#pragma once

// Where each day sits in the calendar file, found in one pass: the slot of
// the first record of each date, as ReadDay and WriteDay find it. The index
// remembers the file's size and time, so a command can tell whether another
// user changed the file since it was built.

#include "billing/core/DayRec.h"
#include "common/core/Clock.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <unordered_map>
#include <vector>

namespace kiv5::billing {

class CalendarDayIndex {
public:
    // An empty index of a file that does not exist yet.
    CalendarDayIndex() = default;
    // Reads the Day of every record once; IoError when the file cannot be
    // read. A missing file gives an empty index.
    static CalendarDayIndex Build(const QString& path);

    // The file still has the size and time it had when indexed.
    bool IsCurrent(const QString& path) const;
    std::optional<qint64> SlotOf(DayCount date) const;
    qint64 Count() const { return count_; }
    // Every record's date with its slot, in file order.
    const std::vector<std::pair<DayCount, qint64>>& Days() const { return days_; }

    // The stored records of the dates, blank days for the dates not stored,
    // read with one open of the file.
    std::vector<DayRec> ReadDays(const QString& path, const std::vector<DayCount>& dates,
                                 const Clock& clock) const;
    // Stores the record as the day `date` over its record or appended, under
    // the append lock; rebuilds the index first when the file changed, and
    // keeps it current afterwards.
    void WriteDay(const QString& path, const DayRec& record, DayCount date);

private:
    void Stamp(const QString& path);

    std::unordered_map<DayCount, qint64> slots_;
    std::vector<std::pair<DayCount, qint64>> days_;
    qint64 count_ = 0;
    qint64 size_ = -1;
    QDateTime modified_;
};

} // namespace kiv5::billing

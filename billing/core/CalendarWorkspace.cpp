#include "billing/core/CalendarWorkspace.h"

#include "billing/core/CalendarFile.h"
#include "common/core/RecordFile.h"
#include "common/core/TableProfile.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace kiv5::billing {
namespace {

QDate ToDate(DayCount day) {
    return DayCountToDate(day).value_or(QDate(1899, 12, 30));
}

DayCount ToDay(const QDate& date) {
    return DateToDayCount(date);
}

// Where the search text stands in a day: slot 0, the notes, then the later
// slots; nullopt when nowhere.
std::optional<int> MatchIn(const DayRec& day, const QString& upper) {
    if (UpperCaseText(day.SlotText[0]).contains(upper)) {
        return 0;
    }
    if (UpperCaseText(day.DayNotes).contains(upper)) {
        return -1;
    }
    for (int slot = 1; slot < kDaySlots; ++slot) {
        if (UpperCaseText(day.SlotText[static_cast<std::size_t>(slot)]).contains(upper)) {
            return slot;
        }
    }
    return std::nullopt;
}

} // namespace

CalendarWorkspace::CalendarWorkspace(QString calendarPath, const OfficeContext& context,
                                     QObject* parent)
    : QObject(parent), path_(std::move(calendarPath)), context_(context) {
    current_ = ReadDays({context_.Today()}).front();
}

QDate CalendarWorkspace::CurrentQDate() const {
    return ToDate(current_.Day);
}

QDate CalendarWorkspace::WeekStart() const {
    return WeekStartOf(CurrentQDate());
}

const CalendarDayIndex& CalendarWorkspace::Index() const {
    if (!index_.IsCurrent(path_)) {
        index_ = CalendarDayIndex::Build(path_);
    }
    return index_;
}

std::vector<DayRec> CalendarWorkspace::ReadDays(const std::vector<DayCount>& dates) const {
    return Index().ReadDays(path_, dates, context_.clock);
}

void CalendarWorkspace::GoTo(DayCount date) {
    current_ = ReadDays({std::floor(date)}).front();
    DayModified = false;
    emit DayChanged();
}

void CalendarWorkspace::ReloadDay() {
    GoTo(current_.Day);
}

void CalendarWorkspace::Move(CalendarMove move) {
    const QDate date = CurrentQDate();
    QDate target = date;
    switch (move) {
    case CalendarMove::Today:
        target = ToDate(context_.Today());
        break;
    case CalendarMove::BackYear:
        target = date.addYears(-1);
        break;
    case CalendarMove::BackMonth:
        target = date.addMonths(-1);
        break;
    case CalendarMove::BackWeek:
        target = date.addDays(-7);
        break;
    case CalendarMove::BackDay:
        target = date.addDays(-1);
        break;
    case CalendarMove::ForwardDay:
        target = date.addDays(1);
        break;
    case CalendarMove::ForwardWeek:
        target = date.addDays(7);
        break;
    case CalendarMove::ForwardMonth:
        target = date.addMonths(1);
        break;
    case CalendarMove::ForwardYear:
        target = date.addYears(1);
        break;
    }
    GoTo(ToDay(target));
}

void CalendarWorkspace::StoreDay(const DayEntries& entries) {
    const DayRec record = DayViewToRecord(entries, current_.Day, context_.clock, context_.errors);
    Index();
    index_.WriteDay(path_, record, current_.Day);
    current_ = record;
    DayModified = false;
}

std::array<DayRec, 7> CalendarWorkspace::WeekDays(const QDate& start) const {
    std::vector<DayCount> dates;
    for (int k = 0; k < 7; ++k) {
        dates.push_back(ToDay(start.addDays(k)));
    }
    const std::vector<DayRec> read = ReadDays(dates);
    std::array<DayRec, 7> days;
    std::copy(read.begin(), read.end(), days.begin());
    return days;
}

void CalendarWorkspace::StoreWeekColumn(const QDate& day,
                                        const std::array<QString, kDaySlots>& texts) {
    const DayCount date = ToDay(day);
    DayRec record = ReadDays({date}).front();
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        record.SlotText[k] = texts[k].left(kSlotTextLength);
    }
    const DayCount now = context_.Now();
    record.PostTime = now;
    record.PullTime = now;
    record.Selected = false;
    record.RecNo = 0;
    record.Status = 0;
    Index();
    index_.WriteDay(path_, record, date);
    if (date == current_.Day && !DayModified) {
        current_ = record;
        current_.Day = date;
    }
}

std::vector<DayRec> CalendarWorkspace::MonthDays(int year, int month) const {
    std::vector<DayCount> dates;
    const QDate first(year, month, 1);
    for (int day = 0; day < first.daysInMonth(); ++day) {
        dates.push_back(ToDay(first.addDays(day)));
    }
    return ReadDays(dates);
}

QSet<int> CalendarWorkspace::BoldDays(int year, int month) const {
    QSet<int> bold;
    const std::vector<DayRec> days = MonthDays(year, month);
    for (std::size_t k = 0; k < days.size(); ++k) {
        if (HasEntries(days[k])) {
            bold.insert(static_cast<int>(k) + 1);
        }
    }
    return bold;
}

CalendarFindOutcome CalendarWorkspace::Find(const QString& text) {
    CalendarFindOutcome outcome;
    LastSearch = text;
    if (!QFileInfo::exists(path_)) {
        outcome.kind = CalendarFindOutcome::NoFile;
        return outcome;
    }
    const QString upper = UpperCaseText(text);
    if (upper.isEmpty()) {
        return outcome;
    }
    std::vector<std::pair<DayCount, qint64>> days = Index().Days();
    // By date, the later first; equal dates in file order.
    std::stable_sort(days.begin(), days.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    RecordFile file(path_, RecordLayout<DayRec>::kSize, RecordFile::Mode::Read);
    for (const auto& [date, slot] : days) {
        if (!(date < current_.Day)) {
            continue;
        }
        file.Seek(slot);
        const DayRec day = file.ReadRecord<DayRec>();
        if (const std::optional<int> match = MatchIn(day, upper)) {
            file.Close();
            outcome.kind = CalendarFindOutcome::Found;
            outcome.date = std::floor(date);
            outcome.slot = *match;
            GoTo(outcome.date);
            return outcome;
        }
    }
    file.Close();
    return outcome;
}

} // namespace kiv5::billing

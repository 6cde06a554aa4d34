#include "billing/core/CalendarPages.h"

#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"
#include "common/core/RtfEscape.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <array>
#include <cstring>
#include <unordered_map>

namespace kiv5::billing {
namespace {

constexpr int kDaySize = RecordLayout<DayRec>::kSize;
constexpr int kDayOffset = FieldOffset<DayRec>("Day");
static_assert(kDayOffset >= 0);

constexpr int kDaysPerWeek = 7;

// The morning labels; the afternoon ones replace the final "a" by "p".
// Slots 10, 12 and 14 carry no letter.
constexpr std::array<const char*, 24> kMorningLabels = {
    "12a", "12:30a", "1a", "1:30a", "2a", "2:30a", "3a", "3:30a", "4a",  "4:30a",  "5",   "5:30a",
    "6",   "6:30a",  "7",  "7:30a", "8a", "8:30a", "9a", "9:30a", "10a", "10:30a", "11a", "11:30a"};

constexpr std::array<const char*, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

double StoredDay(const QByteArray& bytes) {
    const quint64 raw = qFromLittleEndian<quint64>(bytes.constData() + kDayOffset);
    double day;
    std::memcpy(&day, &raw, sizeof day);
    return day;
}

// Sunday = 0 ... Saturday = 6.
int WeekdayFromSunday(QDate date) {
    return date.dayOfWeek() % kDaysPerWeek;
}

QString LongDate(QDate date) {
    return MakeTextDate(DateToDayCount(date));
}

void ClearCalendarPage(TAnswer& answers, int page) {
    answers.ClearSlots(page, 0, kLastCalendarEntry);
}

// " 9a-Court;" for every slot with text, as the week lists them.
QString WeekSlotList(const DayRec& day) {
    QString list;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const QString& text = day.SlotText[static_cast<std::size_t>(slot)];
        if (!text.isEmpty()) {
            list += QLatin1Char(' ') + PrintedSlotLabel(slot) + QLatin1Char('-') + EscapeRtf(text) +
                    QLatin1Char(';');
        }
    }
    return list;
}

// The day number in bold on a line of its own (so that "1" and "9a" never
// read as "19a"), then "9a-Court; " for every slot with text.
QString MonthCell(QDate date, const DayRec* day) {
    QString cell = QStringLiteral("\\b ") + QString::number(date.day()) + QStringLiteral("\\b0") +
                   QLatin1String(kRtfLineBreak);
    if (!day) {
        return cell;
    }
    for (int slot = 0; slot < kDaySlots; ++slot) {
        const QString& text = day->SlotText[static_cast<std::size_t>(slot)];
        if (!text.isEmpty()) {
            cell +=
                PrintedSlotLabel(slot) + QLatin1Char('-') + EscapeRtf(text) + QStringLiteral("; ");
        }
    }
    return cell;
}

} // namespace

int CalendarTemplatePage(CalendarPageKind kind) {
    switch (kind) {
    case CalendarPageKind::Day:
        return kDayTemplatePage;
    case CalendarPageKind::Week:
        return kWeekTemplatePage;
    case CalendarPageKind::Month:
        return kMonthTemplatePage;
    }
    return kDayTemplatePage;
}

QString PrintedSlotLabel(int slot) {
    if (slot < 0 || slot >= kDaySlots) {
        return {};
    }
    if (slot == 24) {
        return QStringLiteral("12p");
    }
    QString label = QString::fromLatin1(kMorningLabels[static_cast<std::size_t>(slot % 24)]);
    if (slot > 24 && label.endsWith(QLatin1Char('a'))) {
        label.back() = QLatin1Char('p');
    }
    return label;
}

QString WeekdayName(QDate date) {
    if (!date.isValid()) {
        return {};
    }
    return QString::fromLatin1(kWeekdayNames[static_cast<std::size_t>(WeekdayFromSunday(date))]);
}

QString DayHeading(QDate date) {
    return WeekdayName(date) + QStringLiteral(" - ") + LongDate(date);
}

QString RtfLines(const QString& text) {
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(kLineBreak);
    for (QString& line : lines) {
        line = EscapeRtf(line);
    }
    return lines.join(QLatin1String(kRtfLineBreak));
}

QDate CalendarPageFirstDay(CalendarPageKind kind, QDate current) {
    switch (kind) {
    case CalendarPageKind::Day:
        return current;
    case CalendarPageKind::Week:
        return current.addDays(-WeekdayFromSunday(current));
    case CalendarPageKind::Month:
        return QDate(current.year(), current.month(), 1);
    }
    return current;
}

int CalendarPageDayCount(CalendarPageKind kind, QDate firstDay) {
    switch (kind) {
    case CalendarPageKind::Day:
        return 1;
    case CalendarPageKind::Week:
        return kDaysPerWeek;
    case CalendarPageKind::Month:
        return firstDay.daysInMonth();
    }
    return 1;
}

const DayRec* CalendarPageDays::Find(QDate date) const {
    const auto found = days.find(date);
    return found == days.end() ? nullptr : &found->second;
}

CalendarPageDays ReadCalendarPageDays(const QString& calendarPath, QDate first, int count) {
    CalendarPageDays result;
    if (!QFileInfo::exists(calendarPath)) {
        result.fileMissing = true;
        return result;
    }
    std::unordered_map<double, QDate> wanted;
    for (int d = 0; d < count; ++d) {
        const QDate date = first.addDays(d);
        wanted.emplace(DateToDayCount(date), date);
    }
    RecordFile file(calendarPath, kDaySize, RecordFile::Mode::Read);
    while (!file.AtEnd() && result.days.size() < wanted.size()) {
        const QByteArray bytes = file.Read();
        const auto date = wanted.find(StoredDay(bytes));
        if (date != wanted.end() && !result.days.contains(date->second)) {
            result.days.emplace(date->second, DecodeRecord<DayRec>(bytes));
        }
    }
    file.Close();
    return result;
}

void CalcDay(QDate day, const CalendarPageDays& days, TAnswer& answers) {
    ClearCalendarPage(answers, kDayTemplatePage);
    answers.SetAnswer(kDayTemplatePage, kDayHeadingEntry, DayHeading(day));
    const DayRec* record = days.Find(day);
    if (!record) {
        return;
    }
    for (int slot = 0; slot < kDaySlots; ++slot) {
        answers.SetAnswer(kDayTemplatePage, slot,
                          EscapeRtf(record->SlotText[static_cast<std::size_t>(slot)]));
    }
    answers.SetAnswer(kDayTemplatePage, kDayNotesEntry, RtfLines(record->DayNotes));
}

void CalcWeek(QDate sunday, const CalendarPageDays& days, TAnswer& answers) {
    ClearCalendarPage(answers, kWeekTemplatePage);
    answers.SetAnswer(kWeekTemplatePage, kWeekHeadingEntry,
                      QStringLiteral("Week Beginning ") + LongDate(sunday));
    for (int i = 0; i < kDaysPerWeek; ++i) {
        const QDate date = sunday.addDays(i);
        answers.SetAnswer(kWeekTemplatePage, 3 * i, DayHeading(date));
        if (const DayRec* record = days.Find(date)) {
            answers.SetAnswer(kWeekTemplatePage, 3 * i + 1, WeekSlotList(*record));
            answers.SetAnswer(kWeekTemplatePage, 3 * i + 2, RtfLines(record->DayNotes));
        }
    }
}

void CalcMonth(QDate first, const CalendarPageDays& days, TAnswer& answers) {
    ClearCalendarPage(answers, kMonthTemplatePage);
    answers.SetAnswer(kMonthTemplatePage, kMonthTitleEntry,
                      MonthName(first.month()) + QLatin1Char(' ') +
                          QStringLiteral("%1").arg(first.year(), 4, 10, QLatin1Char('0')));
    const int weekday = WeekdayFromSunday(first);
    for (int d = 0; d < first.daysInMonth(); ++d) {
        const QDate date = first.addDays(d);
        answers.SetAnswer(kMonthTemplatePage, d + weekday, MonthCell(date, days.Find(date)));
    }
}

CalendarPageOutcome AddCalendarPage(CalendarPageKind kind, QDate current,
                                    const QString& calendarPath, TAnswer& answers,
                                    TemplateDocument& document) {
    if (!current.isValid()) {
        throw ConversionError(QStringLiteral("The calendar has no current date to print."));
    }
    const QDate first = CalendarPageFirstDay(kind, current);
    const CalendarPageDays days =
        ReadCalendarPageDays(calendarPath, first, CalendarPageDayCount(kind, first));
    switch (kind) {
    case CalendarPageKind::Day:
        CalcDay(first, days, answers);
        break;
    case CalendarPageKind::Week:
        CalcWeek(first, days, answers);
        break;
    case CalendarPageKind::Month:
        CalcMonth(first, days, answers);
        break;
    }
    document.AddPage(CalendarTemplatePage(kind));
    return CalendarPageOutcome{days.fileMissing};
}

CalendarPageOutcome WriteCalendarPage(CalendarPageKind kind, QDate current,
                                      const QString& calendarPath, TAnswer& answers,
                                      const QString& templateFolder, const QString& outPath,
                                      const ErrorSink& errors) {
    TemplateDocument document(answers, templateFolder, errors);
    const CalendarPageOutcome outcome =
        AddCalendarPage(kind, current, calendarPath, answers, document);
    document.Write(outPath);
    return outcome;
}

CalendarPageOutcome WriteCalendarPage(CalendarPageKind kind, QDate current,
                                      const QString& calendarPath, const QString& templateFolder,
                                      const QString& outPath, const ErrorSink& errors) {
    TAnswer answers(DocumentProgram::Billing);
    return WriteCalendarPage(kind, current, calendarPath, answers, templateFolder, outPath, errors);
}

} // namespace kiv5::billing

#include "billing/core/CalendarDayView.h"

#include "billing/core/CalendarFile.h"
#include "common/core/DateTime.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"

namespace kiv5::billing {
namespace {

std::size_t At(int slot) {
    return static_cast<std::size_t>(slot);
}

// The first weekday column of the month, 0 for Sunday.
int FirstColumn(int year, int month) {
    return QDate(year, month, 1).dayOfWeek() % 7;
}

} // namespace

QString SlotLabel(int slot) {
    if (slot == 0) {
        return QStringLiteral("MidN");
    }
    if (slot == 24) {
        return QStringLiteral("Noon");
    }
    const int hour = (slot / 2) % 12;
    return QStringLiteral("%1:%2").arg(hour == 0 ? 12 : hour).arg(slot % 2 == 0 ? "00" : "30");
}

bool IsShadedSlot(int slot) {
    return slot < 16 || slot >= 36;
}

DayEntries RecordToDayView(const DayRec& record) {
    DayEntries entries;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        entries.text[At(slot)] = record.SlotText[At(slot)];
        entries.clientNo[At(slot)] = record.SlotClientNo[At(slot)];
        const double hours = record.SlotHours[At(slot)];
        entries.length[At(slot)] = hours > 0 ? ShortestDecimal(hours) : QString();
    }
    entries.notes = record.DayNotes;
    entries.notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return entries;
}

DayRec DayViewToRecord(const DayEntries& entries, DayCount date, const Clock& clock,
                       const ErrorSink& errors) {
    DayRec record = MakeBlankDay(date, clock);
    for (int slot = 0; slot < kDaySlots; ++slot) {
        record.SlotText[At(slot)] = entries.text[At(slot)].left(kSlotTextLength);
        record.SlotClientNo[At(slot)] = entries.clientNo[At(slot)].left(kClientNoLength);
        record.SlotHours[At(slot)] = Str2Float_P(entries.length[At(slot)], errors);
    }
    QString notes = entries.notes;
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    record.DayNotes = notes.left(kDayNotesLength);
    return record;
}

bool HasEntries(const DayRec& record) {
    if (!record.DayNotes.isEmpty()) {
        return true;
    }
    for (const QString& text : record.SlotText) {
        if (!text.isEmpty()) {
            return true;
        }
    }
    return false;
}

QDate WeekStartOf(const QDate& date) {
    return date.addDays(-(date.dayOfWeek() % 7));
}

QString WeekColumnCaption(const QDate& day) {
    static const std::array<const char*, 7> kNames = {"Sun", "Mon", "Tue", "Wed",
                                                      "Thu", "Fri", "Sat"};
    return QLatin1String(kNames[At(day.dayOfWeek() % 7)]) + QStringLiteral(" - ") +
           FormatShortDate(DateToDayCount(day));
}

std::vector<MonthCell> MonthCells(int year, int month) {
    std::vector<MonthCell> cells;
    const int first = FirstColumn(year, month);
    const int days = QDate(year, month, 1).daysInMonth();
    for (int day = 1; day <= days; ++day) {
        const int place = first + day - 1;
        cells.push_back({place / 7 + 1, place % 7 + 1, day});
    }
    return cells;
}

int MonthRows(int year, int month) {
    return MonthCells(year, month).back().row;
}

QString MonthCaption(int month) {
    return MonthName(month).left(3).toUpper();
}

QString MonthCellText(int day, const DayRec& record) {
    QString text = QString::number(day) + QStringLiteral("  ");
    for (const QString& slotText : record.SlotText) {
        if (!slotText.isEmpty()) {
            text += slotText + QStringLiteral("; ");
        }
    }
    return text;
}

} // namespace kiv5::billing

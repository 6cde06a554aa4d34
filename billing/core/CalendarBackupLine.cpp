#include "billing/core/CalendarBackupLine.h"

#include "billing/core/RemoveLineBreaksWithPipe.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"

namespace kiv5::billing {
namespace {

constexpr int kFirstSlotField = 2;
constexpr int kNotesField = kFirstSlotField + 3 * kDaySlots;
constexpr int kPositionField = kNotesField + 3;
static_assert(kPositionField + 2 == kCalendarBackupFields);

QString FieldText(const QString& text) {
    return RemoveTabWithTilde(RemoveLineBreaksWithPipe(text));
}

} // namespace

QString CalendarBackupLine(const DayRec& day, qint64 position) {
    QStringList fields;
    fields.reserve(kCalendarBackupFields);
    fields << (day.Selected ? QStringLiteral("X") : QString()) << FormatShortDate(day.Day);
    for (std::size_t k = 0; k < kDaySlots; ++k) {
        fields << FieldText(day.SlotText[k]) << ShortestDecimal(day.SlotHours[k])
               << FieldText(day.SlotClientNo[k]);
    }
    fields << FieldText(day.DayNotes) << QString() << QString() << QString::number(position)
           << QString::number(day.Status);
    return fields.join(QLatin1Char('\t'));
}

DayRec ParseCalendarBackupLine(const QString& line, const OfficeContext& context) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() <= kPositionField) {
        throw ConversionError(
            QStringLiteral("The calendar backup line \"%1\" holds %2 fields, %3 are needed")
                .arg(line.left(64))
                .arg(fields.size())
                .arg(kPositionField + 1));
    }
    DayRec day;
    day.Selected = fields[0] == QLatin1String("X");
    day.Day = ParseDate(fields[1]);
    for (int k = 0; k < kDaySlots; ++k) {
        const int at = kFirstSlotField + 3 * k;
        const auto i = static_cast<std::size_t>(k);
        day.SlotText[i] = fields[at].left(64);
        day.SlotHours[i] = Str2Float_2(fields[at + 1], context.errors);
        day.SlotClientNo[i] = fields[at + 2].left(8);
    }
    day.DayNotes = RestoreCRLFFromPipe(fields[kNotesField]).left(255);
    day.PostTime = context.Now();
    day.PullTime = day.PostTime;
    day.RecNo = ParseInteger(fields[kPositionField]);
    day.Status = 0;
    return day;
}

} // namespace kiv5::billing

#include "common/core/RtfAnswerFormat.h"

#include "common/core/Misc.h"
#include "common/core/NumberFormat.h"

#include <cmath>

namespace kiv5 {
namespace {

QString FormatMoneyAnswer(const TAnswerSlot& slot, const ErrorSink& errors) {
    const QString formatted =
        FormatNumber("%12.2n", Str2Float_2(RemoveCommasAndSigns(slot.Text), errors));
    if (slot.AObj.OvRide) {
        return QLatin1String("\\cf1 ") + formatted + QLatin1String("\\cf0 ");
    }
    return formatted;
}

QString FormatPercentAnswer(const TAnswerSlot& slot, const ErrorSink& errors) {
    return FormatNumber("%11.3n", Str2Float_P(slot.Text, errors) * 100.0) + QLatin1Char('%');
}

QString FormatCheckBox(const TAnswerSlot& slot, const QString& WingDingStr,
                       int CurrentFontSizeInTwips) {
    // Wingdings 0xFD is a ticked box, "o" an empty one.
    const QLatin1String box(slot.Text == QLatin1String("X") ? "\\'fd" : "o");
    return WingDingStr + QLatin1String("\\fs") + QString::number(CheckBoxSizeInHalfPoints()) +
           QLatin1Char(' ') + box + QLatin1String("\\fs") +
           QString::number(CurrentFontSizeInTwips) + QLatin1String("\\f0 ");
}

QString FormatNumberAnswer(const TAnswerSlot& slot, const ErrorSink& errors) {
    return FormatNumber("%8.2n", Str2Float_2(RemoveCommasAndSigns(slot.Text), errors));
}

} // namespace

int CheckBoxSizeInHalfPoints(double windowScale) {
    return static_cast<int>(std::lround(windowScale * 20.0));
}

QString FormatAnswerForCode(QChar type, const TAnswerSlot& slot, const QString& WingDingStr,
                            int CurrentFontSizeInTwips, const ErrorSink& errors) {
    switch (type.unicode()) {
    case '$':
        return FormatMoneyAnswer(slot, errors);
    case '%':
        return FormatPercentAnswer(slot, errors);
    case '&':
        return FormatCheckBox(slot, WingDingStr, CurrentFontSizeInTwips);
    case '@':
        return FormatNumberAnswer(slot, errors);
    default:
        return slot.Text;
    }
}

} // namespace kiv5

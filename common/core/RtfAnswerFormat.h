#pragma once

// The text a variable code is replaced with, by its type character.

#include "common/core/Answers.h"
#include "common/core/ErrorSink.h"

#include <QChar>
#include <QString>

namespace kiv5 {

// Size of a check box in half points: the window scale times 20, rounded.
int CheckBoxSizeInHalfPoints(double windowScale = 1.0);

// "$" money "%12.2n" (coloured with \cf1 when OvRide is set), "%" percent
// "%11.3n" + "%", "&" a Wingdings check box ticked for "X", "@" number
// "%8.2n"; the plain kinds "*", "#", "^", "<", "+" insert the answer as it is.
// Amounts that do not read report 21202 (21182 for "%") to errors and count
// as 0.
QString FormatAnswerForCode(QChar type, const TAnswerSlot& slot, const QString& WingDingStr,
                            int CurrentFontSizeInTwips, const ErrorSink& errors);

} // namespace kiv5

#pragma once

// The amount of a check in figures and in words.

#include "common/core/ErrorSink.h"

#include <QString>

namespace kiv5::books {

// "%-12.2m": US money, "$1,234.56", a negative amount in parentheses
// "($5.25)", left-aligned and padded with blanks to 12 characters (never cut).
QString FormatCheckAmount(double amount);

// The words line of a check: NumberToWords of the whole part (truncated
// toward zero) + "Dollars and " + NumberToWords of the cents (the fraction
// times 100, rounded) + "Cents". The amount text is read for each part with
// Str2Float_2, as the check is printed from the form's field.
QString CheckAmountInWords(const QString& amountText, const ErrorSink& errors);

} // namespace kiv5::books

#pragma once

// Money texts of a bill: Str2Float_2's reading (blanks, "$", "(", ")", ","
// and "-" removed, negative when "(" or "-" was there, rounded to cents),
// limited to what a money field holds.

#include "common/core/ErrorSink.h"

#include <QString>
#include <optional>

namespace kiv5::billing {

// The amount x 10000; none when the text is no number or the amount does not
// fit the field. An empty text reads as 0.
std::optional<qint64> TryMoneyUnits(const QString& text);

// As TryMoneyUnits, reporting 21202 and reading 0 when it gives none.
qint64 MoneyUnitsOf(const QString& text, const ErrorSink& errors);

// The cell form: "%12.2n" without leading blanks ("1,234.50").
QString MoneyText(qint64 units);

// "1234.5" -> "1,234.50" as the form shows a money field it left; a text
// that does not read reports 21202 and gives "0.00".
QString ReformatMoneyText(const QString& text, const ErrorSink& errors);

// Whether a typed character may go into a money or rate field: digits, "."
// and "-".
bool IsMoneyCharacter(QChar c);

} // namespace kiv5::billing

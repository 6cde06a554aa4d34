#pragma once

#include <QString>

namespace kiv5 {

// The value written with the given number of decimals, rounded as the
// fixed-point formatting of the programs rounds: the value is first written
// with 18 significant digits, then that digit string is rounded at the last
// kept decimal, a following 5 or more rounding away from zero. No thousands
// separators; a leading "-" for negative values that do not round to zero.
QString FixedDecimal(double value, int decimals);

// printf-style patterns of the programs: "%W.Pn" (fixed point with thousands
// separators), "%W.Pf" (fixed point), "%Wd" and "%.Pd" (decimal integers).
// The result is right-aligned in W characters and never cut.
QString FormatNumber(const char* pattern, double value);
QString FormatInteger(const char* pattern, qint64 value);

// "%12.2n" without surrounding blanks: the form of money cells, "1,234.50".
QString FormatMoney(double value);

// The shortest decimal form of a value as the programs show rates and
// lengths: at most 15 significant digits, no trailing zeros, 8 -> "8",
// 7.5 -> "7.5".
QString ShortestDecimal(double value);

// Money fields are integers holding the amount times 10000.
qint64 MoneyToUnits(double amount);
double UnitsToMoney(qint64 units);
// FormatMoney(UnitsToMoney(units)), made without floating point when the
// units are whole cents (a file of a million records shows its amounts
// several times faster).
QString FormatMoneyUnits(qint64 units);

} // namespace kiv5

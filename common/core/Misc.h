#pragma once

#include "common/core/DateTime.h"
#include "common/core/ErrorSink.h"

#include <QString>

namespace kiv5 {

// Removes blanks, "$", "(", ")", "," and "-"; puts one "-" in front when the
// text held "(" or "-" anywhere.
QString RemoveCommasAndSigns(const QString& text);

// Text to number as the programs read amounts: an empty text counts as 0.00,
// separators and signs are handled by RemoveCommasAndSigns. A text that is no
// number reports 21182 (Str2Float_P) or 21202 (Str2Float_2) to errors and
// gives 0.
double Str2Float_P(const QString& text, const ErrorSink& errors);
// As Str2Float_P, then rounded to two decimals as "%14.2f" rounds.
double Str2Float_2(const QString& text, const ErrorSink& errors);
// Rounds to two decimals as "%14.2f" rounds (0.125 -> 0.13, 2.675 -> 2.67).
double RoundTo2(double value);

// Three characters at CCount (1-based) as a number "d.dd", the first one a
// digit or a letter standing for 10-35 ("A"-"Z") or 36-61 ("a"-"z"). CCount
// advances by 3. Used for positions and sizes of printed lines. Reports
// 21030 when the three characters are not there.
double MakeReal(const QString& text, int& CCount, const ErrorSink& errors);

// "March 7, 2011" from a short date text; empty when it does not read.
QString MakeTextDate(const QString& shortDate);
// "March 7, 2011" from a day count.
QString MakeTextDate(DayCount date);
// "January" ... "December" for the month of a day count; empty when invalid.
QString MonthName(DayCount date);
QString MonthName(int month);

// Appends the path separator unless the text already ends with one.
QString SlashAtEnd(const QString& path);
// Everything before the last "."; the text itself when it has none.
QString StripExtension(const QString& name);
// The part of a stored name after its last "/" or "\".
QString FileNamePart(const QString& name);
// The part of a stored name up to and including its last "/" or "\".
QString FolderPart(const QString& name);

// Trailing (TrimStr) or leading (TrimLeadSpaces) blanks, code 32 only.
QString TrimStr(const QString& text);
QString TrimLeadSpaces(const QString& text);
QString RemoveHyphens(const QString& text);

// CR LF <-> " | " for memos and notes; tab -> " ~ " for backup lines.
QString RemoveCRLFWithPipe(const QString& text);
QString RestoreCRLFFromPipe(const QString& text);
QString RemoveTabWithTilde(const QString& text);

// Strict conversions of cells: throw ConversionError naming the text.
int ParseInteger(const QString& text);
double ParseFloat(const QString& text);
std::optional<double> TryParseFloat(const QString& text);
std::optional<int> TryParseInteger(const QString& text);

} // namespace kiv5

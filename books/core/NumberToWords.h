#pragma once

// The amount of a check in words.

#include "common/core/ErrorSink.h"

#include <QString>

namespace kiv5::books {

// English words for a whole number from 0 to 999,999,999, each word followed
// by one blank: 0 gives "No ", 13019 "Thirteen Thousand Nineteen ". A
// negative number gives no words. Above 999,999,999: 21260 and empty.
QString NumberToWords(double x, const ErrorSink& errors);

// Replaces the first "Ten One" ... "Ten Nine" found (searched in that order)
// by "Eleven" ... "Nineteen"; at most one replacement. The result is cut to
// 255 characters.
QString ConvertTeens(const QString& text, const ErrorSink& errors);

} // namespace kiv5::books

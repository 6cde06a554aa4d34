#pragma once

// Tracking of the current font size ("\fsN", in half points) while a page is
// scanned, so that a check box can put the size back after itself.

#include "common/core/ErrorSink.h"

#include <QString>

#include <optional>

namespace kiv5 {

// RTF's own default when a page has set no size yet.
constexpr int kDefaultFontSizeInTwips = 24;

// A "\fs" control word followed by a digit at pos; an escaped backslash
// ("\\fs", literal text) is not one.
bool IsFontSizeControlAt(const QString& text, qsizetype pos);

// The number starting at start, read up to the next "\", blank, "{", "}",
// CR or LF. Reports 21070 when start lies within 3 characters of the end of
// the text and 21060 when the characters are not a number.
std::optional<int> GetNumFromText(const QString& text, qsizetype start, const ErrorSink& errors);

// Reads the size of the "\fs" control word at pos into current; a size that
// does not read leaves current as it was (and is reported to errors).
void SetCurrentFontSizeInTwips(const QString& text, qsizetype pos, int& current,
                               const ErrorSink& errors);

// Index of the last "\fs" control word that starts before pos, if any.
std::optional<qsizetype> LastFontSizeControlBefore(const QString& text, qsizetype pos);

} // namespace kiv5

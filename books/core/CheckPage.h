#pragma once

// The printed check: a stub at the top, the check in the middle and a second
// stub at the bottom, in Times New Roman 12, placed through the print-line
// language from the values the expense form shows.

#include "books/core/PrintCanvas.h"
#include "common/core/DateTime.h"
#include "common/core/ErrorSink.h"

#include <QString>
#include <functional>

namespace kiv5::books {

// The expense form's fields at the moment of printing, saved or not.
struct CheckValues {
    QString checkNumber; // "Check No."
    DayCount date = 0;   // the date picker's date
    QString payee;
    QString memo;   // the description
    QString amount; // the amount field's text, read with Str2Float_2
};

// Shifts every position of the check page, in inches (right and down
// positive), to meet pre-printed check stock.
struct CheckOffset {
    double x = 0;
    double y = 0;
};

// The offset kept in the settings as hundredths of an inch.
CheckOffset CheckOffsetFromHundredths(qint32 x, qint32 y);

// The largest offset the alignment takes, either way, in inches.
inline constexpr double kMaxCheckOffset = 1.0;

struct CheckPageOptions {
    CheckOffset offset;
    // Bitmaps of the print-line language are found here.
    QString programFolder;
    // A thin frame at the printable area, for aligning test pages; it does
    // not move with the offset.
    bool frame = false;
    // Runs between the blocks, so that a window can repaint.
    std::function<void()> betweenBlocks;
};

// Prints the check page on the canvas: sets the font to Times New Roman 12,
// then the blocks top stub labels, top stub values, words, check date, check
// amount, check payee, bottom stub labels and bottom stub values. A bad
// amount is reported by Str2Float_2 (21202) each of the five times it is
// read and prints as zero.
void PrintCheckPage(PrintCanvas& canvas, const CheckValues& values, const CheckPageOptions& options,
                    const ErrorSink& errors);

// The values of a test page for aligning check stock.
CheckValues SampleCheckValues(DayCount today);

} // namespace kiv5::books

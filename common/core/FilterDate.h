#pragma once

// The date criterion every filter dialog of the suite accepts: a year (YYYY),
// a month (MM/YYYY) or a full date, and the containment test of the text
// criteria.

#include "common/core/DateTime.h"

#include <QString>

namespace kiv5 {

// The date criterion, read once per filter.
struct FilterDate {
    enum Kind { None, Year, Month, Day };
    Kind kind = None;
    int year = 0;
    int month = 0;
    DayCount day = 0;
};

// Throws ConversionError with a message naming the text when it is not
// YYYY, MM/YYYY or a valid date. An empty text gives the None kind.
FilterDate ParseFilterDate(const QString& text);

// Whether a date cell (as the tables write it, or any text the date parser
// reads) falls in the criterion; an unreadable cell never does.
bool FilterDatePasses(const QString& cell, const FilterDate& date);

// A text criterion, upper-cased once for the whole filter.
class FilterText {
public:
    explicit FilterText(const QString& criterion = {});

    // The criterion occurs within the cell, letter case aside; an empty
    // criterion always passes.
    bool FoundIn(const QString& cell) const;
    // The cell occurs within the criterion (a "|"-joined choice), letter case
    // aside; an empty criterion always passes, an empty cell never does.
    bool Holds(const QString& cell) const;

private:
    QString upper_;
};

// The criterion, upper-cased, occurs within the cell, upper-cased; an empty
// criterion always passes.
bool FilterCellContains(const QString& cell, const QString& criterion);

} // namespace kiv5
